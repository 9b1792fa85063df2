#pragma once

#include <QFrame>

namespace halvex::ui {

// A filled bar beneath the navigation list whose width runs from 0 to 2400 twips.
class ProgressBar : public QFrame {
    Q_OBJECT
public:
    static constexpr int kFullWidth = 2400;

    explicit ProgressBar(QWidget* parent);

    int widthTwips() const { return m_widthTwips; }
    void setWidthTwips(int widthTwips);
    void advanceTwips(int step) { setWidthTwips(m_widthTwips + step); }
    void setFillColour(const QColor& colour);

private:
    int m_widthTwips = 0;
};

} // namespace halvex::ui
