#include "ui/main/StatusBar.h"

#include <QLabel>

namespace {
constexpr int PanelGap = 2;
}

StatusBar::StatusBar(const QList<int> &panelWidths, QWidget *parent)
    : QWidget(parent)
    , m_widths(panelWidths)
{
    for (int i = 0; i < m_widths.size(); ++i) {
        auto *panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
        panel->setTextFormat(Qt::PlainText);
        m_panels << panel;
    }
}

QString StatusBar::PanelText(int index) const
{
    return m_panels.at(index)->text();
}

void StatusBar::SetPanelText(int index, const QString &text)
{
    m_panels.at(index)->setText(text);
}

void StatusBar::resizeEvent(QResizeEvent *)
{
    int left = 0;
    for (int i = 0; i < m_panels.size(); ++i) {
        const bool last = i == m_panels.size() - 1;
        const int width = last ? qMax(0, this->width() - left) : m_widths.at(i) - PanelGap;
        m_panels.at(i)->setGeometry(left, PanelGap, width, height() - PanelGap);
        left += m_widths.at(i);
    }
}
