#pragma once
// The texts a widget paints, as its paint engine receives them: each run of text with where its
// base line starts and how wide it is, in the widget's coordinates. What a cell, a label or an
// edit shows, after every elision or replacement its painting made.
//   PaintedTexts(widget)    renders the widget (not its children) and returns the runs

#include <QPaintEngine>
#include <QPainter>
#include <QWidget>
#include <vector>

struct PaintedText {
    QString text;
    QPointF at;    // the start of its base line
    qreal width = 0;
};

class TextRecordingDevice final : public QPaintDevice {
public:
    explicit TextRecordingDevice(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<PaintedText> texts() const { return engine_.texts; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmNumColors: return 1 << 24;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    class Engine final : public QPaintEngine {
    public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override
        {
            if (state.state() & QPaintEngine::DirtyTransform)
                transform_ = state.transform();
        }
        // Everything but text is left out.
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            texts.push_back({item.text(), transform_.map(p), item.width()});
        }
        Type type() const override { return QPaintEngine::User; }

        std::vector<PaintedText> texts;

    private:
        QTransform transform_;
    };

    QSize size_;
    mutable Engine engine_;
};

inline std::vector<PaintedText> PaintedTexts(QWidget& widget)
{
    TextRecordingDevice device(widget.size());
    widget.render(&device, QPoint(), QRegion(), QWidget::RenderFlags());
    return device.texts();
}
