#pragma once

#include <QList>
#include <QWidget>

class QLabel;

// A status bar of sunken panels of fixed widths, left to right; the last one takes what
// is left of the width.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    StatusBar(const QList<int> &panelWidths, QWidget *parent = nullptr);

    int PanelCount() const { return int(m_panels.size()); }
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<int> m_widths;
    QList<QLabel *> m_panels;
};
