#include "ui/publisherlinks.h"

#include "platform/weblinks.h"
#include "ui/appcontext.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QGroupBox>

namespace kinwheel {

PublisherLinks::PublisherLinks(AppContext& context, QWidget* window) : m_context(context), m_window(window) {}

ClickableLabel* PublisherLinks::addForumLink(QWidget* parent, LabelText text, QRect geometry, const QFont& font,
                                             const QColor& colour, Qt::Alignment alignment)
{
    m_Label14 = makeClickableLabel(parent, "Label14", shownLabelText(text), geometry, font, colour, alignment);
    QObject::connect(m_Label14, &ClickableLabel::clicked, m_window, [this] { Label14_Click(); });
    return m_Label14;
}

void PublisherLinks::addOfferFrame(QWidget* parent, QRect geometry, int labelWidth, Qt::Alignment alignment)
{
    m_fraFullBrand = makePlainFrame(parent, "fraFullBrand", geometry);
    m_lblCobrand = makeOfferLabel(m_fraFullBrand, "lblCobrand", LabelText::CoBrandOffer,
                                  twRect(120, 160, labelWidth, 615), alignment);
    m_lblFullBrand = makeOfferLabel(m_fraFullBrand, "lblFullBrand", LabelText::FullBrandOffer,
                                    twRect(120, 165, labelWidth, 615), alignment);
    bringOfferToFront(false);
    QObject::connect(m_lblCobrand, &ClickableLabel::clicked, m_window, [this] { lblCobrand_Click(); });
    QObject::connect(m_lblFullBrand, &ClickableLabel::clicked, m_window, [this] { lblFullBrand_Click(); });
}

void PublisherLinks::bringOfferToFront(bool coBrand)
{
    m_coBrandShown = coBrand;
    if (coBrand)
        bringLabelToFront(m_lblCobrand, m_lblFullBrand);
    else
        bringLabelToFront(m_lblFullBrand, m_lblCobrand);
}

void PublisherLinks::Label14_Click() { OpenHomePage(m_context.services, m_window); }
void PublisherLinks::lblFullBrand_Click() { OpenFullyBrandedPage(m_context.services, m_window); }
void PublisherLinks::lblCobrand_Click() { OpenCoBrandPage(m_context.services, m_window); }

} // namespace kinwheel
