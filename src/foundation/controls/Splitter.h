#pragma once

#include <QColor>
#include <QFrame>
#include <QRect>
#include <QVariantMap>

// Divides its area between two controls of its host window, named by
// Child1 and Child2, with a bar (the child "picSplitter") that the user
// drags. Orientation 0 puts Child1 left of a vertical bar, 1 puts it above a
// horizontal one. The desired bar position is kept as a distance
// (SplitterPos) or as a ratio of the bar's centre to the length
// (RatioFromTop), re-applied on every resize as Maintain says (0 distance,
// 1 ratio) and clamped between the panes' minimum and maximum sizes. Every
// position and size is in twips of the client area; Resize is raised after
// each placement of the children.
class Splitter : public QFrame {
    Q_OBJECT
public:
    explicit Splitter(QWidget* parent = nullptr);

    // 0 none, 1 fixed single.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);
    // The bar's look while it is dragged without LiveUpdate: appearance
    // 0 flat or 1 three-dimensional, border 0 none or 1 fixed single.
    int SplitterAppearance() const { return splitterAppearance_; }
    void setSplitterAppearance(int value) { splitterAppearance_ = value; }
    int SplitterBorder() const { return splitterBorder_; }
    void setSplitterBorder(int value) { splitterBorder_ = value; }
    QColor SplitterColor() const { return splitterColor_; }
    void setSplitterColor(const QColor& value) { splitterColor_ = value; }
    int Orientation() const { return orientation_; }
    void setOrientation(int value);
    int SplitterSize() const { return splitterSize_; }
    void setSplitterSize(int value);
    int Maintain() const { return maintain_; }
    void setMaintain(int value);
    int SplitterPos() const { return splitterPos_; }
    void setSplitterPos(int value);
    int CurrSplitterPos() const;
    float RatioFromTop() const { return ratioFromTop_; }
    void setRatioFromTop(float value);
    float CurrRatioFromTop() const { return currRatio_; }
    QString Child1() const { return child1_; }
    void setChild1(const QString& name);
    QString Child2() const { return child2_; }
    void setChild2(const QString& name);
    // The largest size of one pane (0: no limit); MaxSizeAppliesTo 0 limits
    // Child1's pane, 1 Child2's.
    int MaxSize() const { return maxSize_; }
    void setMaxSize(int value);
    int MaxSizeAppliesTo() const { return maxSizeAppliesTo_; }
    void setMaxSizeAppliesTo(int value);
    int MinSize1() const { return minSize1_; }
    void setMinSize1(int value);
    int MinSize2() const { return minSize2_; }
    void setMinSize2(int value);
    // The smallest size across the panes.
    int MinSizeAux() const { return minSizeAux_; }
    void setMinSizeAux(int value);
    bool AllowResize() const { return allowResize_; }
    void setAllowResize(bool value);
    bool LiveUpdate() const { return liveUpdate_; }
    void setLiveUpdate(bool value) { liveUpdate_ = value; }

    // Where the last placement put each child, in twips of the client area;
    // an empty rectangle when that child was not found.
    QRect Child1Rect() const { return child1Rect_; }
    QRect Child2Rect() const { return child2Rect_; }

    // The stored properties, by their names; an absent one takes its default.
    void readProperties(const QVariantMap& bag);
    QVariantMap writeProperties() const;

signals:
    void Resize();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum BusyFlag { SettingPos = 1, SettingRatio = 2, InSetCurrPos = 4, InSetCurrRatio = 8 };

    int clientWidth() const;
    int clientHeight() const;
    int splitLength() const;
    int crossSize() const;
    float posToRatio(int length, int pos) const;
    int ratioToPos(int length, float ratio) const;
    int clampPos(int length, int pos) const;
    void recomputeMinTotal();

    void handleResize();
    void setCurrPos(int pos);
    void setCurrRatio(float ratio);
    void applyMaintain();
    void placeChildren();
    QWidget* childNamed(const QString& name) const;
    void moveChild(QWidget* child, const QRect& twipsRect);
    void setBarEdge(int edge);
    void setBarGeometry(const QRect& twipsRect);
    void setBarLook(const QColor& colour, int border);

    void pressBar(const QPointF& pos);
    void dragBar(const QPointF& pos);
    void releaseBar();
    void cancelDrag();
    int alongSplit(const QPointF& pixelPos) const;

    QFrame* bar_;
    QRect barTwips_;
    QRect child1Rect_;
    QRect child2Rect_;

    int borderStyle_ = 0;
    int splitterAppearance_ = 0;
    int splitterBorder_ = 0;
    QColor splitterColor_;
    int orientation_ = 0;
    int splitterSize_ = 0;
    int maintain_ = 0;
    int splitterPos_ = 0;
    float ratioFromTop_ = 0;
    QString child1_;
    QString child2_;
    int maxSize_ = 0;
    int maxSizeAppliesTo_ = 0;
    int minSize1_ = 0;
    int minSize2_ = 0;
    int minSizeAux_ = 0;
    bool allowResize_ = false;
    bool liveUpdate_ = false;

    int crossSize_ = 0;
    int minTotal_ = 0;
    float currRatio_ = 0;
    int busy_ = 0;
    bool placeEnabled_ = false;
    bool dragging_ = false;
    int dragStartPos_ = 0;
    int grabOffset_ = 0;
};
