#pragma once

#include <QObject>

namespace zf {

class Session;
class TForm1;

// The tip file, listing and print commands of the tip page: "Schein drucken",
// save, load and "Tipp".
class PrintBinding : public QObject {
    Q_OBJECT
public:
    explicit PrintBinding(TForm1& window);

public slots:
    void SpeedButton12Click();
    void SpeedButton15Click();
    void SpeedButton16Click();
    void BitBtn7Click();

private:
    TForm1& m_window;
    Session& m_app;
};

} // namespace zf
