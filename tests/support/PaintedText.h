#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QString>
#include <QWidget>

// Every piece of text a widget draws, with the font it is drawn in: what a
// person sees, whatever font the widget was asked to use.
struct PaintedText {
    QString text;
    QFont font;
    QColor colour;
};

class PaintedTextRecorder final : public QPaintDevice {
public:
    // The text that `widget` paints, its children's included.
    static QList<PaintedText> of(QWidget& widget,
                                 QWidget::RenderFlags flags = QWidget::DrawChildren) {
        PaintedTextRecorder recorder(widget);
        widget.render(&recorder, {}, {}, flags);
        return recorder.m_engine.painted;
    }

    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return m_widget.logicalDpiX();
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return m_widget.logicalDpiY();
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    class Engine final : public QPaintEngine {
    public:
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override {
            if (state.state() & DirtyPen)
                m_pen = state.pen();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override {
            painted.append({item.text(), item.font(), m_pen.color()});
        }
        Type type() const override { return User; }

        QList<PaintedText> painted;

    private:
        QPen m_pen;
    };

    explicit PaintedTextRecorder(QWidget& widget)
        : m_widget(widget)
        , m_size(widget.size()) {}

    QWidget& m_widget;
    QSize m_size;
    mutable Engine m_engine;
};
