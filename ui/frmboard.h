#pragma once
// The Tzolk'in board window: the 260 kins with the marks of one reading (a
// person's, or today's), a legend, and beside the board the chosen kin's
// names, meanings and dates. It may be resized; File > Save Board as
// Picture writes what it shows as a PNG.

#include "engine/reading.h"

#include <QMainWindow>

#include <optional>

class QLabel;

namespace kinwheel {

struct AppContext;
class BoardGrid;
class DayWatcher;

class frmBoard : public QMainWindow {
    Q_OBJECT
public:
    // The board of reading; ofToday: the reading is today's, and stays
    // today's when the date changes. It deletes itself when closed.
    frmBoard(AppContext& context, const Reading& reading, bool ofToday, QWidget* parent = nullptr);

    const Reading& reading() const { return m_reading; }
    bool ofToday() const { return m_ofToday; }
    BoardGrid* grid() const { return m_grid; }
    // The board, its title and its legend: what Save Board as Picture writes.
    QWidget* picture() const { return m_picture; }
    // The picture at twice the screen's density, as a PNG file's bytes.
    QByteArray pictureBytes() const;

public slots:
    void mnuSavePicture_Click();
    // Today's mark, and for today's board the reading, follow the clock.
    void refreshToday();

private:
    void setupUi();
    void showMarks();
    void showCell(int kin);

    AppContext& m_context;
    Reading m_reading;
    const bool m_ofToday;
    std::optional<CivilDate> m_today;
    DayWatcher* m_watcher = nullptr;
    QWidget* m_picture = nullptr;
    QLabel* m_lblTitle = nullptr;
    BoardGrid* m_grid = nullptr;
    QWidget* m_legend = nullptr;
    QLabel* m_imgCell = nullptr;
    QLabel* m_lblCellKin = nullptr;
    QLabel* m_lblCellText = nullptr;
    QLabel* m_lblNextHeading = nullptr;
    QLabel* m_lblCellNext = nullptr;
    QLabel* m_lblLastHeading = nullptr;
    QLabel* m_lblCellLast = nullptr;
};

} // namespace kinwheel
