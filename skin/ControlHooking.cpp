// The control steps of the activation walk: control bars' band painting and the control
// records of the form's controls.
#include "skin/ControlSubClass.h"
#include "skin/FlatSkin.h"
#include "skin/MenuItems.h"
#include "ui/Controls.h"

namespace {
constexpr int KeepOwnLook = 999; // the Tag of a control, or of its parent, the skin leaves alone
} // namespace

void TFlatSkin::HookControls(QObject *component, bool install, bool refresh)
{
    if (auto *bar = qobject_cast<TControlBar *>(component))
        HookControlBar(bar, install, refresh);
    auto *control = qobject_cast<QWidget *>(component);
    if (!control || !ControlKinds::IsSkinnedKind(control, m_xpControls)
        || !ControlKinds::IsSkinnedContainer(control->parentWidget(), m_xpContainers))
        return;
    if (install && Tag(control) != KeepOwnLook && Tag(control->parentWidget()) != KeepOwnLook)
        TControlSubClass::Attach(this, control);
    if (refresh)
        TControlSubClass::Invalidate(control);
}

// A band painter the application assigned itself stays unless OverrideOwnerDraw is on.
void TFlatSkin::HookControlBar(TControlBar *bar, bool install, bool refresh)
{
    if (!m_xpControls.Contains(xcControlbar))
        return;
    if (install && (!bar->OnBandPaint || m_overrideOwnerDraw)) {
        bar->OnBandPaint = {this, [this](TControlBar *painted, QWidget *, QPainter &painter, QRect &band,
                                         TBandPaintOptions &options) {
                                SkinCanvas canvas(painter);
                                SkinControlBarBand(painted, canvas, TRect::FromQRect(band), options);
                            }};
    } else if (!install && bar->OnBandPaint.Owner == this) {
        bar->OnBandPaint = {};
    }
    if (refresh)
        bar->update();
}
