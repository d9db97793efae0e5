#pragma once

#include <orvkit/framework/OrvkitComponent.h>

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

namespace orv {

class TOrvStateControls;
class TOrvStateCtrl;

/// One control switched by a state control (not owned; cleared when it is destroyed).
class TOrvStateControl {
public:
    explicit TOrvStateControl(TOrvStateControls& collection) : fCollection(collection) {}

    QWidget* Control() const { return fControl; }
    void SetControl(QWidget* value);
    bool Active() const { return fActive; }
    void SetActive(bool value);
    /// The control's name, or "<empty>" without a control.
    QString DisplayName() const;

private:
    TOrvStateControls& fCollection;
    QPointer<QWidget> fControl;
    bool fActive = true;
};

/// The owned list of items of a state control; a changed item is brought into line
/// with the state control at once.
class TOrvStateControls {
public:
    explicit TOrvStateControls(TOrvStateCtrl& owner) : fOwner(owner) {}

    TOrvStateCtrl& StateCtrl() const { return fOwner; }
    TOrvStateControl& Add();
    /// Adds an active item for `control`.
    TOrvStateControl& Add(QWidget* control);
    void Delete(int index);
    void Clear() { fItems.clear(); }
    int Count() const { return int(fItems.size()); }
    TOrvStateControl& Items(int index) const { return *fItems.at(size_t(index)); }
    /// Called after an item changes.
    void Update(TOrvStateControl& item);

private:
    TOrvStateCtrl& fOwner;
    std::vector<std::unique_ptr<TOrvStateControl>> fItems;
};

/// Switches read-only, enabled and visible for a list of controls at once. A control
/// that publishes a ReadOnly property is made read-only; one without it is, with
/// DisableOnReadOnly, disabled while the state is read-only instead.
class TOrvStateCtrl : public TOrvComponent {
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool DisableOnReadOnly READ DisableOnReadOnly WRITE SetDisableOnReadOnly)
public:
    explicit TOrvStateCtrl(QObject* owner = nullptr);

    TOrvStateControls& Controls() { return fControls; }
    const TOrvStateControls& Controls() const { return fControls; }

    bool ReadOnly() const { return fReadOnly; }
    void SetReadOnly(bool value);
    bool Visible() const { return fVisible; }
    void SetVisible(bool value);
    bool Enabled() const { return fEnabled; }
    void SetEnabled(bool value);
    bool DisableOnReadOnly() const { return fDisableOnReadOnly; }
    void SetDisableOnReadOnly(bool value);

    /// Brings every item into line.
    void Refresh();
    /// Brings one item into line: read-only where published, enabled, visible.
    void UpdateItem(const TOrvStateControl& item);

    /// Whether the control publishes a ReadOnly property.
    static bool HasReadOnly(const QWidget& control);

private:
    template <class Apply>
    void ForEachActive(Apply apply);
    /// The enabled state a control gets.
    bool EnabledFor(const QWidget& control) const;

    TOrvStateControls fControls{*this};
    bool fReadOnly = false;
    bool fVisible = true;
    bool fEnabled = true;
    bool fDisableOnReadOnly = false;
};

} // namespace orv
