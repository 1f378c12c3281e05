#pragma once
#include <QLabel>
#include <QWidget>

#include <vector>

// The status bar: parts with sunken frames along the bottom of the parent's client area.
class StatusBarWidget : public QWidget {
    Q_OBJECT
public:
    explicit StatusBarWidget(QWidget* parent);
    void SetParts(const std::vector<int>& rightEdges);
    void SetText(int part, const QString& text);
    QString Text(int part) const;
    void PlaceAtBottom();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    std::vector<int> m_edges;
    std::vector<QLabel*> m_parts;
};
