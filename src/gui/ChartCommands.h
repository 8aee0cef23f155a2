#pragma once

#include "rules/Charts.h"

#include <QObject>

namespace zf {

class ChartView;
class Session;
class TForm1;

// The chart commands of the main window: puts Chart1 on the "Diagramm" page
// and the buttons, icons and underlined notes that run the charts on the
// pages. The slots are the window's handlers of these controls.
class ChartCommands : public QObject {
    Q_OBJECT
public:
    explicit ChartCommands(TForm1& window);

    ChartView* view() const { return m_view; }

public slots:
    void SpeedButton2Click();
    void SpeedButton9Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void SpeedButton3Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button6Click();
    void SpeedButton26Click();
    void DiagrammQuersummen();
    void Label88Click();
    void Label89Click();
    void Label90Click();
    void Label91Click();
    void SuperseltenClick();
    void SpeedButton34Click();
    void SpeedButton21Click();
    void SpeedButton27Click();
    void SpeedButton28Click();
    void SuperAusClick();

private:
    // Runs a chart; toFront brings the chart page up first.
    void run(ChartKind kind, bool toFront = false);

    Session& m_app;
    ChartView* m_view;
};

} // namespace zf
