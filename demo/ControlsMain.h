#pragma once

#include <orvkit/demo/DemoPage.h>

#include <QWidget>

class QFrame;
class QTabWidget;

namespace orv {

struct TEditsPage;

/// The demonstration program's main window: eight pages of controls above the
/// panel that restyles them all.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    /// `random` gives the pages' random start values; none seeds a generator from the clock.
    explicit TForm1(QWidget* parent = nullptr, const TDemoRandom& random = {});

    QTabWidget* PC() const { return fPC; }
    QFrame* Panel1() const { return fPanel1; }

    /// The style of every control of the pages but the group and line-mode ones.
    TOrvUICtrl* OrvUICtrl1() const { return fOrvUICtrl1; }
    /// The style of the groups and of the edits that go with them; follows OrvUICtrl1.
    TOrvUICtrl* GrpUICtrl() const { return fGrpUICtrl; }
    /// Switches the value controls of the pages.
    TOrvStateCtrl* OrvStateCtrl1() const { return fOrvStateCtrl1; }

    // What the bottom panel's switches and colour pickers do to every control at once.
    void SetControlsFlat(bool value);
    void SetControlsHotTracking(bool value);
    void SetControlsReadOnly(bool value);
    void SetControlsDisabled(bool value);
    void SetControlsROColor(TColor value);
    void SetControlsFocusColor(TColor value);
    void SetControlsHotColor(TColor value);

    static constexpr int ClientWidth = 861;
    static constexpr int ClientHeight = 496;
    static constexpr int PanelHeight = 82;

private:
    QWidget* AddPage(const QString& caption, const QString& objectName);
    void CreateComponents();
    void FormCreate(const TEditsPage& edits, const TDemoRandom& random);
    /// Carries a change of OrvUICtrl1's set over to GrpUICtrl, which keeps its own
    /// plain item captions and round frames.
    void OrvUICtrl1ColorSetChange();

    QTabWidget* fPC = nullptr;
    QFrame* fPanel1 = nullptr;
    TOrvUICtrl* fOrvUICtrl1 = nullptr;
    TOrvUICtrl* fGrpUICtrl = nullptr;
    TOrvStateCtrl* fOrvStateCtrl1 = nullptr;
};

} // namespace orv
