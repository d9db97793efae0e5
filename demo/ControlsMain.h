#pragma once

#include <QWidget>

class QFrame;
class QTabWidget;

namespace orv {

/// The demonstration program's main window: eight pages of controls above the
/// panel that restyles them all.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    QTabWidget* PC() const { return fPC; }
    QFrame* Panel1() const { return fPanel1; }

    static constexpr int ClientWidth = 861;
    static constexpr int ClientHeight = 496;
    static constexpr int PanelHeight = 82;

private:
    QWidget* AddPage(const QString& caption, const QString& objectName);

    QTabWidget* fPC = nullptr;
    QFrame* fPanel1 = nullptr;
};

} // namespace orv
