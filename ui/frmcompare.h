#pragma once
// The comparison window: two readings side by side, each with its name,
// date, kin and destiny cross of small cards, and below them the relations
// the rules find between them and the combined kin, with Print and Save as PDF.

#include "engine/reading.h"

#include <QDialog>
#include <QLabel>

#include <memory>

class QPushButton;
class QTextDocument;

namespace kinwheel {

struct AppContext;
class RichTextPanel;

// A one-line label that shortens its text with "…" to the width it is
// given, rather than widening its window for a long name; the whole text is
// its tip and accessible name.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(const QString& text, QWidget* parent = nullptr);
    const QString& fullText() const { return m_text; }
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_text;
};

class frmCompare : public QDialog {
    Q_OBJECT
public:
    // The window comparing first with second, under first's count. It deletes
    // itself when closed.
    frmCompare(AppContext& context, const Reading& first, const Reading& second, QWidget* parent = nullptr);

    const Reading& first() const { return m_first; }
    const Reading& second() const { return m_second; }
    // The card box of a cross slot of person 0 (first) or 1 (second).
    QLabel* imgSign(int person, int slot) const { return m_imgSign[person][slot]; }
    RichTextPanel* rtb() const { return m_RTB; }

public slots:
    void cmdPrint_Click();
    void cmdPdf_Click();

private:
    void setupUi();
    QWidget* personColumn(const Reading& reading, int person);

    AppContext& m_context;
    const Reading m_first;
    const Reading m_second;
    QLabel* m_imgSign[2][5] = {};
    RichTextPanel* m_RTB = nullptr;
    QPushButton* m_cmdPdf = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QPushButton* m_cmdClose = nullptr;
};

// What the comparison window and its dialog share: named, deleted when
// closed, modal over the whole program, with the program's caption after
// title, its icon, colours and font.
void setupCompareDialog(QDialog* dialog, const char* objectName, const QString& title);

// What the comparison prints: both readings, then the relations and the
// combined kin, in the report window's font.
std::unique_ptr<QTextDocument> comparisonDocument(const Reading& first, const Reading& second);

// Opens the comparison window of two readings, modal over the whole program,
// and returns at once with it.
frmCompare* showComparisonWindow(AppContext& context, const Reading& first, const Reading& second, QWidget* parent);

} // namespace kinwheel
