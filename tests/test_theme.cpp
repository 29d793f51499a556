// Every window stays legible under a light and a dark desktop palette, and
// Tab leaves the read-only text boxes.

#include "support.h"

#include "ui/mayanumeral.h"
#include "ui/richtextpanel.h"
#include "ui/widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTextBlock>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

double luminance(const QColor& colour)
{
    const auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette p(QColor(45, 45, 45));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(55, 55, 55));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return p;
}

struct DrawnText {
    QString what;
    QColor text, background;
};

// The colour a widget's background shows: its own when it fills it, else its container's.
QColor backgroundOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return {};
}

// The commonest colour of the area as drawn, and the one that stands out most from it: the text's.
std::pair<QColor, QColor> drawnColours(QWidget* widget, QRect area)
{
    QWidget* window = widget->window();
    const QPoint at = widget->mapTo(window, area.topLeft());
    const QImage image =
        window->screen()->grabWindow(window->winId(), at.x(), at.y(), area.width(), area.height()).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const auto byCount = [](const auto& a, const auto& b) { return a.second < b.second; };
    const QColor background(std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), byCount)->first);
    QColor text = background;
    for (const QRgb colour : counts.keys()) {
        if (contrast(QColor(colour), background) > contrast(text, background))
            text = QColor(colour);
    }
    return {text, background};
}

// Every text the window draws, with the palette roles the style paints it in.
QList<DrawnText> drawnTexts(QWidget* window)
{
    QList<DrawnText> texts;
    const auto add = [&texts](const QWidget* w, const QString& kind, QPalette::ColorRole text, QPalette::ColorRole back) {
        texts.append({kind + QLatin1Char(' ') + w->objectName(), w->palette().color(text), w->palette().color(back)});
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window) && !label->text().isEmpty())
            texts.append({QStringLiteral("label ") + label->objectName(), label->palette().color(label->foregroundRole()),
                          backgroundOf(label)});
    }
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        if (!frame->title().isEmpty())
            texts.append({QStringLiteral("frame title ") + frame->objectName(),
                          frame->palette().color(QPalette::WindowText), backgroundOf(frame)});
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        add(bar, QStringLiteral("menu bar"), QPalette::ButtonText, QPalette::Window);
    for (QMenu* menu : window->findChildren<QMenu*>())
        add(menu, QStringLiteral("menu ") + menu->title(), QPalette::Text, QPalette::Base);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        add(button, QStringLiteral("button"), QPalette::ButtonText, QPalette::Button);
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        add(list, QStringLiteral("list"), QPalette::ButtonText, QPalette::Button);
        // The open list draws with colours of the style's choosing (a menu's in
        // some styles): read them from what it draws.
        list->showPopup();
        if (!QTest::qWaitForWindowExposed(list->view()->window()))
            continue; // reported as a kind of text not found
        const QRect entry = list->view()->visualRect(list->model()->index(list->currentIndex() + 1, 0));
        const auto [text, background] = drawnColours(list->view()->viewport(), entry);
        texts.append({QStringLiteral("list entries of ") + list->objectName(), text, background});
        list->hidePopup();
    }
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        add(box, QStringLiteral("text box"), QPalette::Text, QPalette::Base);
    for (RichTextPanel* panel : window->findChildren<RichTextPanel*>()) {
        const QColor base = panel->palette().color(QPalette::Base);
        const QColor plain = panel->palette().color(QPalette::Text);
        for (QTextBlock block = panel->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                const QColor colour = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                                        : plain;
                texts.append({QStringLiteral("run \"%1\"").arg(it.fragment().text().left(24)), colour, base});
            }
        }
    }
    return texts;
}

// Yellow links, and white on the lavender, are the windows' own design rather than body text.
bool designColour(const DrawnText& text)
{
    return text.text == kLinkYellow || (text.text == QColor(Qt::white) && text.background == kWindowColour);
}

} // namespace

class TestTheme : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void cleanup() { closeAllWindows(); }

    void legibleUnderAnyPalette_data();
    void legibleUnderAnyPalette();
    void tabLeavesTheTextBox_data();
    void tabLeavesTheTextBox();
    void focusIsMarked_data();
    void focusIsMarked();
    void numeralsCountInBarsAndDots();
};

void TestTheme::legibleUnderAnyPalette_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QStringList>("kinds"); // every kind of text the window must be found to draw
    const QStringList programWindow = {"label", "menu bar", "menu", "button"};
    const QStringList windows[] = {
        {"frmMain", "frame title", "list", "list entries", "text box"},
        {"frmMayanBirthchartResult", "run"},
        {"frmSave", "label", "button", "run"},
        {"frmAbout", "label", "button"},
        {"frmCompare", "label", "button", "run"},
        {"frmCompareWith", "label", "button", "frame title", "list", "list entries", "text box"},
        {"frmBoard", "label", "menu bar", "menu"},
    };
    for (const bool dark : {false, true}) {
        for (const QStringList& row : windows) {
            QStringList kinds = row.mid(1);
            if (row[0].startsWith(QLatin1String("frmM")))
                kinds += programWindow;
            QTest::addRow("%s, %s", qPrintable(row[0]), dark ? "dark" : "light") << row[0] << dark << kinds;
        }
    }
}

void TestTheme::legibleUnderAnyPalette()
{
    QFETCH(QString, window);
    QFETCH(bool, dark);
    QFETCH(QStringList, kinds);

    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    Fixture f;
    const std::unique_ptr<QWidget> shown(showWindow(f, window));
    QVERIFY(shown);

    for (const DrawnText& text : drawnTexts(shown.get())) {
        kinds.removeIf([&text](const QString& kind) { return text.what.startsWith(kind); });
        const double ratio = contrast(text.text, text.background);
        QVERIFY2(designColour(text) || ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                                                                    .arg(text.what, text.text.name(), text.background.name())
                                                                    .arg(ratio, 0, 'f', 2)));
    }
    QVERIFY2(kinds.isEmpty(), qPrintable(QStringLiteral("no text of kind ") + kinds.join(QStringLiteral(", "))));
}

void TestTheme::tabLeavesTheTextBox_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("result window") << "frmMayanBirthchartResult";
    QTest::newRow("report window") << "frmSave";
}

void TestTheme::tabLeavesTheTextBox()
{
    QFETCH(QString, window);
    Fixture f;
    const std::unique_ptr<QWidget> shown(showWindow(f, window));
    QVERIFY(shown);
    QApplication::setActiveWindow(shown.get());
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    auto* box = shown->findChild<RichTextPanel*>(QStringLiteral("RTB"));
    box->setFocus();
    const QString before = box->toPlainText();

    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSave"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->toPlainText(), before);
}

void TestTheme::focusIsMarked_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("dark");
    for (const bool dark : {false, true}) {
        const char* palette = dark ? "dark" : "light";
        QTest::addRow("Generate, %s", palette) << "frmMain" << "cmdCalculate" << dark;
        QTest::addRow("forum link, %s", palette) << "frmMain" << "Label14" << dark;
        QTest::addRow("offer link, %s", palette) << "frmMayanBirthchartResult" << "lblFullBrand" << dark;
        QTest::addRow("Print, %s", palette) << "frmSave" << "cmdPrint" << dark;
        QTest::addRow("OK, %s", palette) << "frmAbout" << "cmdOK" << dark;
        QTest::addRow("Compare, %s", palette) << "frmCompareWith" << "cmdCompare" << dark;
    }
}

// A control with the keyboard focus looks different, by a frame in the
// colour of its own text, under any palette.
void TestTheme::focusIsMarked()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(bool, dark);
    installProgramStyle();
    if (dark)
        QApplication::setPalette(darkPalette());
    Fixture f;
    const std::unique_ptr<QWidget> shown(showWindow(f, window));
    QApplication::setActiveWindow(shown.get());
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    auto* target = shown->findChild<QWidget*>(control);
    QVERIFY(target);
    target->clearFocus();
    const QImage plain = target->grab().toImage();
    target->setFocus(Qt::TabFocusReason);
    QVERIFY(target->hasFocus());
    const QImage focused = target->grab().toImage();
    QApplication::setPalette(QPalette());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    int marked = 0;
    const QColor ink = target->palette().color(qobject_cast<QPushButton*>(target) ? QPalette::ButtonText
                                                                                : target->foregroundRole());
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != focused.pixel(x, y) && QColor(focused.pixel(x, y)) == ink)
                ++marked;
    // A dotted frame round the control: at least a pixel in three along its edges.
    QVERIFY2(marked >= (plain.width() + plain.height()) / 3, qPrintable(QString::number(marked)));
}

// Each tone drawn as its bars (five each) and dots (one each), dots above.
void TestTheme::numeralsCountInBarsAndDots()
{
    for (int n = 1; n <= 13; ++n) {
        for (const qreal ratio : {1.0, 2.0}) {
            QImage image(QSize(48, 40) * ratio, QImage::Format_ARGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                paintMayaNumeral(painter, QRectF(0, 0, 48, 40), n, Qt::black);
            }
            // Bands of rows holding ink, top to bottom, and the runs of ink in the top band.
            QList<int> bandRows;
            bool inBand = false;
            for (int y = 0; y < image.height(); ++y) {
                bool ink = false;
                for (int x = 0; x < image.width() && !ink; ++x)
                    ink = qGray(image.pixel(x, y)) < 128;
                if (ink && !inBand)
                    bandRows << y;
                inBand = ink;
            }
            const int dots = n % 5, bars = n / 5;
            QCOMPARE(bandRows.size(), bars + (dots ? 1 : 0));
            if (!dots)
                continue;
            int runs = 0;
            bool inRun = false;
            int bandEnd = bandRows.first();
            while (bandEnd + 1 < image.height() && [&] {
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, bandEnd + 1)) < 128)
                        return true;
                return false;
            }())
                ++bandEnd;
            const int middle = (bandRows.first() + bandEnd) / 2;
            for (int x = 0; x < image.width(); ++x) {
                const bool ink = qGray(image.pixel(x, middle)) < 128;
                runs += ink && !inRun;
                inRun = ink;
            }
            QCOMPARE(runs, dots);
        }
    }
}

QTEST_MAIN(TestTheme)
#include "test_theme.moc"
