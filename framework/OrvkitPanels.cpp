#include <orvkit/framework/OrvkitPanels.h>

#include <algorithm>

namespace orv {

TOrvCustomPanel::TOrvCustomPanel(QWidget* parent) : TOrvWinControlT<QFrame>(parent)
{
    setFrameShape(QFrame::NoFrame);
}

QString TOrvCustomPanel::Version() const
{
    return QString::fromLatin1(OrvkitVersion);
}

void TOrvCustomPanel::PanelFontChanged()
{
    // An explicit font is not replaced by the parent's any more.
    setAttribute(Qt::WA_SetFont, true);
}

TOrvCustomBtnPanel::TOrvCustomBtnPanel(QWidget* parent) : TOrvCustomPanel(parent)
{
    SetTabStop(false);
    setFocusPolicy(Qt::NoFocus);
}

TOrvCustomBtnPanel::~TOrvCustomBtnPanel()
{
    if (fUICtrl)
        fUICtrl->RemoveFromNotifyList(this);
}

void TOrvCustomBtnPanel::SetUICtrl(TOrvUICtrl* value)
{
    Reattach(*this, fUICtrl, value);
}

int TOrvCustomBtnPanel::GetSelTextBuf(QChar* buffer, int bufSize) const
{
    if (!buffer || bufSize <= 0)
        return 0;
    const QString text = SelText();
    const int count = std::min(static_cast<int>(text.size()), bufSize - 1);
    std::copy_n(text.constData(), count, buffer);
    buffer[count] = QChar();
    return count;
}

void TOrvCustomBtnPanel::ColorSetChangeRelay()
{
    if (!Loading() && OnColorSetChange)
        OnColorSetChange(this);
}

void TOrvCustomBtnPanel::SignChangeRelay()
{
    if (!Loading() && OnSignChange)
        OnSignChange(this);
}

void TOrvCustomBtnPanel::NullChangeRelay()
{
    if (!Loading() && OnNullChange)
        OnNullChange(this);
}

void TOrvCustomBtnPanel::RawKeyDown(uint16_t& key, TShiftState shift)
{
    if (OnCNKeyDown)
        OnCNKeyDown(this, key, shift);
}

void TOrvCustomBtnPanel::Notification(QObject* component, TOperation operation)
{
    if (operation == opRemove && component == fUICtrl.data())
        fUICtrl = nullptr;
}

} // namespace orv
