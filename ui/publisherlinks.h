#pragma once
// The publisher's links a program window carries: the forum link Label14 and
// the frame with the two stacked offer labels, each opening its page. The
// main, result and report windows each hold one set.

#include "engine/tables.h"

#include <QFont>
#include <QRect>

class QGroupBox;
class QWidget;

namespace kinwheel {

struct AppContext;
class ClickableLabel;

class PublisherLinks {
public:
    // Brings one of the two stacked offer labels to the front of its frame.
    void bringOfferToFront(bool coBrand);
    // Whether the co-brand offer is the one in front.
    bool coBrandShown() const { return m_coBrandShown; }

    void Label14_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();

protected:
    // window: the window the links belong to, parent of the pages' messages.
    PublisherLinks(AppContext& context, QWidget* window);
    ~PublisherLinks() = default;

    // The forum link Label14, opening the home page.
    ClickableLabel* addForumLink(QWidget* parent, LabelText text, QRect geometry, const QFont& font,
                                 const QColor& colour, Qt::Alignment alignment);
    // fraFullBrand with lblCobrand under lblFullBrand, each labelWidth wide.
    void addOfferFrame(QWidget* parent, QRect geometry, int labelWidth, Qt::Alignment alignment);

    AppContext& m_context;
    ClickableLabel* m_Label14 = nullptr;
    QGroupBox* m_fraFullBrand = nullptr;
    ClickableLabel* m_lblCobrand = nullptr;
    ClickableLabel* m_lblFullBrand = nullptr;
    bool m_coBrandShown = false;

private:
    QWidget* m_window;
};

} // namespace kinwheel
