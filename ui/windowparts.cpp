#include "ui/windowparts.h"

#include "ui/widgets.h"

#include <QGroupBox>
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

ClickableLabel* makeLinkLabel(QWidget* parent, const char* objectName, LabelText text, bool bold)
{
    auto* label = new ClickableLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setText(qs(labelText(text)));
    label->setFont(windowFont(8.25, bold, true));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kLinkYellow);
    label->setPalette(palette);
    return label;
}

ClickableLabel* makeOfferLabel(QGroupBox* frame, const char* objectName, LabelText text, QRect geometry)
{
    ClickableLabel* label = makeLinkLabel(frame, objectName, text, true);
    label->setGeometry(geometry);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    label->setPalette(palette);
    return label;
}

QGroupBox* makePlainFrame(QWidget* parent, const char* objectName, QRect geometry)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(objectName));
    frame->setGeometry(geometry);
    return frame;
}

void bringLabelToFront(QWidget* front, QWidget* back)
{
    front->raise();
    front->setFocusPolicy(Qt::TabFocus);
    back->setFocusPolicy(Qt::NoFocus);
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
