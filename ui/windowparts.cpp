#include "ui/windowparts.h"

#include "platform/weblinks.h"
#include "ui/widgets.h"

#include <QGroupBox>
#include <QMainWindow>
#include <QIcon>
#include <QLayout>
#include <QScreen>
#include <QStyle>

#include <array>

// The resources live in a static library: make sure the linker keeps them.
static void initAssetResources()
{
    Q_INIT_RESOURCE(assets);
}

namespace kinwheel {
namespace {

void ensureResources()
{
    static const bool done = (initAssetResources(), true);
    (void)done;
}

constexpr std::array<const char*, 20> kPictureKeys = {
    "01Imix.jpg",  "02Ik.jpg",     "03Akbal.jpg", "04Kan.jpg",    "05Chiccan.jpg",
    "06Cimi.jpg",  "07Manik.jpg",  "08Lamat.jpg", "09Muluc.jpg",  "10Oc.jpg",
    "11Chuen.jpg", "12Eb.jpg",     "13Ben.jpg",   "14Ix.jpg",     "15Men.jpg",
    "16Cib.jpg",   "17Caban.jpg",  "18Etznab.jpg", "19Cauac.jpg", "20Ahau.jpg"};

} // namespace

QIcon programIcon()
{
    ensureResources();
    return QIcon(QStringLiteral(":/icon/kinwheel.png"));
}

void setupProgramWindow(QMainWindow* window, QSize clientSize)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QString::fromLatin1(kWindowCaption));
    window->setWindowIcon(programIcon());
    window->setFont(windowFont(8.25));

    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);

    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientSize);
    window->setCentralWidget(client);
    // The window takes the size of client area plus menu bar, and keeps it.
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void centreOnScreen(QWidget* window)
{
    window->adjustSize();
    if (const QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

namespace {

template <class Label>
Label* styledLabel(QWidget* parent, const char* objectName, const QString& text, QRect geometry, const QFont& font,
                   const QColor& colour, Qt::Alignment alignment)
{
    auto* label = new Label(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    if (colour.isValid())
        setTextColour(label, colour);
    return label;
}

} // namespace

QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text, QRect geometry, const QFont& font,
                  const QColor& colour, Qt::Alignment alignment)
{
    return styledLabel<QLabel>(parent, objectName, text, geometry, font, colour, alignment);
}

ClickableLabel* makeClickableLabel(QWidget* parent, const char* objectName, const QString& text, QRect geometry,
                                   const QFont& font, const QColor& colour, Qt::Alignment alignment)
{
    auto* label = styledLabel<ClickableLabel>(parent, objectName, text, geometry, font, colour, alignment);
    label->setFocusPolicy(Qt::TabFocus);
    return label;
}

QGroupBox* makePlainFrame(QWidget* parent, const char* objectName, QRect geometry)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(objectName));
    frame->setGeometry(geometry);
    return frame;
}

ClickableLabel* makeOfferLabel(QGroupBox* frame, const char* objectName, LabelText text, QRect geometry,
                               Qt::Alignment alignment)
{
    ClickableLabel* label = makeClickableLabel(frame, objectName, shownLabelText(text), geometry,
                                               windowFont(8.25, true, true), kLinkYellow, alignment);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    label->setPalette(palette);
    return label;
}

void bringLabelToFront(QWidget* front, QWidget* back)
{
    front->raise();
    front->setFocusPolicy(Qt::TabFocus);
    back->setFocusPolicy(Qt::NoFocus);
}

FileDialogOptions readingFileDialog(const QString& title)
{
    FileDialogOptions options;
    options.title = title;
    options.filter = QStringLiteral("Mayan Astrology (*.man)");
    options.defaultSuffix = QStringLiteral("man");
    return options;
}

QString glyphPictureKey(int number)
{
    if (number < 1 || number > static_cast<int>(kPictureKeys.size()))
        return {};
    return QString::fromLatin1(kPictureKeys[static_cast<std::size_t>(number - 1)]);
}

QPixmap glyphPicture(int number)
{
    ensureResources();
    const QString key = glyphPictureKey(number);
    if (key.isEmpty())
        return {};
    return QPixmap(QStringLiteral(":/cards/") + key);
}

} // namespace kinwheel
