#include "controls/ProgressBarDrawing.h"

#include "color/Numeric.h"
#include "controls/ProgressBarModel.h"

#include <algorithm>

namespace sv {

namespace {

constexpr ColorValue kSilver = 0xC0C0C0;
// While style 5 draws, every lightened colour is this yellow.
constexpr ColorValue kStyle5Light = 0x09FFFA;
// The frame of the segmented styles.
constexpr ColorValue kSegmentFrame = 0xB99D7F;

struct Channels {
    int red;
    int green;
    int blue;
};

Channels channels(ColorValue c) {
    return {static_cast<int>(c & 255), static_cast<int>(truncDiv(c, 256) & 255),
            static_cast<int>(truncDiv(c & 0xFF0000, 65536))};
}

int roundToInt(double v) {
    return static_cast<int>(roundEven(v));
}

void fill(std::vector<PbDrawOp>& out, PbRect r, ColorValue c) {
    out.push_back({PbDrawKind::Fill, r, c, 0, 0, {}, {}});
}

void frame(std::vector<PbDrawOp>& out, PbRect r, ColorValue c) {
    out.push_back({PbDrawKind::Frame, r, c, 0, 0, {}, {}});
}

void edge(std::vector<PbDrawOp>& out, PbRect r, int kind) {
    out.push_back({PbDrawKind::Edge, r, 0, 0, kind, {}, {}});
}

class StyleDrawer {
public:
    StyleDrawer(std::vector<PbDrawOp>& out, const ProgressBarModel& m, int w, int h)
        : out_(out), c_(m.color()), style_(m.scrolling()), vertical_(m.orientation() != 0),
          brush_(m.brushStyle()), percent_(std::max(0, m.percent())), w_(w), h_(h) {}

    ColorValue light(ColorValue c, int amount) const {
        return style_ == 5 ? kStyle5Light : lighten(c, amount);
    }

    // The x where the fill of a style ends; used to clip the two-tone text.
    int fillEdge() const { return fillEdge_; }

    void draw() {
        switch (style_) {
        case 0:
        case 1:
        case 2:
            segmented(style_ == 0 ? 6 : 0);
            break;
        case 3:
            flat();
            break;
        case 4:
            etched();
            break;
        case 5:
            splash();
            break;
        case 6:
            dark();
            break;
        case 7:
            hatched();
            break;
        case 8:
            patterned();
            break;
        case 9:
            glossy();
            break;
        default:
            break;
        }
    }

private:
    PbRect client() const { return {0, 0, w_, h_}; }

    void splash() {
        frame(out_, client(), light(c_, 10));
        fillEdge_ = roundToInt(static_cast<double>(w_) * percent_ / 101.0);
        drawGradient(out_, c_, light(c_, 100), 2, 2, w_ - 2, h_ - 5, false);
        drawGradient(out_, light(c_, 250), c_, 3, 3, fillEdge_, h_ - 6, false);
        drawLine(out_, fillEdge_, 2, fillEdge_, h_ - 2, light(c_, 25));
    }

    void etched() {
        edge(out_, client(), 6);
        fillEdge_ = roundToInt(static_cast<double>(w_ - 4) * percent_ / 100.0);
        drawGradient(out_, light(c_, 140), light(c_, 200), 2, 2, fillEdge_, h_ - 3, true);
    }

    // The frame of the segmented styles: lines with single pixels rounding the corners.
    void segmentFrame() {
        drawLine(out_, 1, 0, w_ - 1, 0, kSegmentFrame);
        drawLine(out_, 1, h_ - 1, w_ - 1, h_ - 1, kSegmentFrame);
        drawLine(out_, 0, 1, 0, h_ - 1, kSegmentFrame);
        drawLine(out_, w_ - 1, 1, w_ - 1, h_ - 1, kSegmentFrame);
        for (const auto& [x, y] : {std::pair{1, 1}, {w_ - 2, 1}, {1, h_ - 2}, {w_ - 2, h_ - 2}}) {
            out_.push_back({PbDrawKind::Pixel, {x, y, x + 1, y + 1}, kSegmentFrame, 0, 0, {}, {}});
        }
    }

    // Filled length of a span, as the segmented styles measure it, cut back to whole periods.
    int segmentedLength(int span, int period) const {
        const int raw = roundToInt(static_cast<double>(span) * percent_ / 98.0);
        return std::clamp(raw - raw % period, 0, span - span % period);
    }

    void segmented(int block) {
        constexpr int gap = 2;
        const int period = block + gap;
        const PbRect in{3, 3, w_ - 3, h_ - 3};
        segmentFrame();
        if (in.right <= in.left || in.bottom <= in.top) {
            return;
        }
        if (!vertical_) {
            const int len = segmentedLength(in.right - in.left, period);
            fillEdge_ = in.left + len;
            if (len <= 0) {
                return;
            }
            drawGradient(out_, light(c_, 150), c_, in.left, in.top, fillEdge_,
                         in.bottom - in.top - 1, false);
            for (int x = in.left + block; block > 0 && x < fillEdge_; x += period) {
                fill(out_, {x, in.top, std::min(x + gap, fillEdge_), in.bottom}, kWhite);
            }
        } else {
            const int len = segmentedLength(in.bottom - in.top, period);
            fillEdge_ = w_;
            if (len <= 0) {
                return;
            }
            const int top = in.bottom - len;
            drawGradient(out_, light(c_, 150), c_, in.left, top, in.right - in.left - 1, in.bottom,
                         true);
            for (int y = in.bottom - block; block > 0 && y > top; y -= period) {
                fill(out_, {in.left, std::max(y - gap, top), in.right, y}, kWhite);
            }
        }
    }

    int plainEdge(int inset) const {
        return roundToInt(static_cast<double>(w_ - 2 * inset) * percent_ / 100.0 + inset);
    }

    void flat() {
        frame(out_, client(), light(c_, 100));
        fillEdge_ = plainEdge(1);
        if (fillEdge_ > 1) {
            fill(out_, {1, 1, fillEdge_, h_ - 1}, light(c_, 180));
        }
    }

    void dark() {
        frame(out_, client(), blendColors(light(c_, 10), kBlack));
        fillEdge_ = plainEdge(1);
        if (fillEdge_ <= 1) {
            return;
        }
        const int mid = h_ / 2;
        drawGradient(out_, light(c_, 200), c_, 1, 1, fillEdge_, mid - 1, false);
        drawGradient(out_, c_, blendColors(c_, light(c_, 100)), 1, mid + 1, fillEdge_, h_ - 3 - mid,
                     false);
    }

    void hatched() {
        edge(out_, client(), 9);
        fillEdge_ = plainEdge(2);
        if (fillEdge_ > 2) {
            out_.push_back(
                {PbDrawKind::Hatch, {2, 2, fillEdge_, h_ - 2}, c_, light(c_, 140), brush_, {}, {}});
        }
    }

    void patterned() {
        edge(out_, client(), 2);
        fillEdge_ = plainEdge(1);
        if (fillEdge_ > 1) {
            out_.push_back({PbDrawKind::Pattern, {1, 1, fillEdge_, h_ - 1}, c_, 0, 0, {}, {}});
        }
    }

    void glossy() {
        const PbRect in{3, 3, w_ - 3, h_ - 3};
        segmentFrame();
        if (in.right <= in.left || in.bottom <= in.top) {
            return;
        }
        fillEdge_ = in.left + segmentedLength(in.right - in.left, 2);
        if (fillEdge_ <= in.left) {
            return;
        }
        const int mid = (in.top + in.bottom) / 2;
        drawGradient(out_, light(c_, 190), light(c_, 150), in.left, in.top, fillEdge_,
                     mid - in.top - 1, false);
        drawGradient(out_, blendColors(c_, light(c_, 180)), c_, in.left, mid, fillEdge_,
                     in.bottom - mid - 1, false);
    }

    std::vector<PbDrawOp>& out_;
    ColorValue c_;
    int style_;
    bool vertical_;
    int brush_;
    int percent_;
    int w_;
    int h_;
    int fillEdge_ = 0;
};

} // namespace

ColorValue lighten(ColorValue color, int amount) {
    const Channels k = channels(color);
    auto up = [amount](int c) {
        const int v =
            static_cast<int>(truncDiv(static_cast<std::int64_t>(255 - amount) * c, 255)) + amount;
        return std::min(v, 255);
    };
    return rgb(up(k.red), up(k.green), up(k.blue));
}

ColorValue blendColors(ColorValue a, ColorValue b) {
    const Channels x = channels(a);
    const Channels y = channels(b);
    return rgb((x.red + y.red) / 2, (x.green + y.green) / 2, (x.blue + y.blue) / 2);
}

void drawLine(std::vector<PbDrawOp>& out, int x, int y, int x2, int y2, ColorValue color) {
    out.push_back({PbDrawKind::Line, {x, y, x2, y2}, color, 0, 0, {}, {}});
}

void drawGradient(std::vector<PbDrawOp>& out, ColorValue a, ColorValue b, int x, int y, int width,
                  int height, bool across) {
    const Channels ca = channels(a);
    const Channels cb = channels(b);
    const int n = across ? width : height;
    // A zero count cannot be divided by: the steps stay 0 and one line in a is drawn.
    float stepR = 0.0F;
    float stepG = 0.0F;
    float stepB = 0.0F;
    if (n != 0) {
        stepR = static_cast<float>(static_cast<double>(cb.red - ca.red) / n);
        stepG = static_cast<float>(static_cast<double>(cb.green - ca.green) / n);
        stepB = static_cast<float>(static_cast<double>(cb.blue - ca.blue) / n);
    }
    for (int i = 0; i <= n; ++i) {
        const float fi = static_cast<float>(i);
        auto channel = [fi](int start, float step) {
            return static_cast<int>(roundEven(static_cast<float>(start) + step * fi));
        };
        const ColorValue c =
            rgb(channel(ca.red, stepR), channel(ca.green, stepG), channel(ca.blue, stepB));
        if (across) {
            drawLine(out, x + i, y, x + i, height, c);
        } else {
            drawLine(out, x, y + i, width, y + i, c);
        }
    }
}

PbRect centredText(int controlWidth, int controlHeight, int textWidth, int textHeight) {
    const int left = roundToInt(controlWidth / 2.0 - textWidth / 2.0);
    const int top = roundToInt(controlHeight / 2.0 - textHeight / 2.0);
    return {left, top, left + textWidth, top + textHeight};
}

std::vector<PbDrawOp> drawProgressBar(ProgressBarModel& model, int width, int height,
                                      const PbTextMeasure& measure) {
    const int percent = model.clampPercentForDrawing();
    std::vector<PbDrawOp> out;
    const int style = model.scrolling();
    fill(out, {0, 0, width, height}, style == 6 ? kBlack : kWhite);
    StyleDrawer drawer(out, model, width, height);
    drawer.draw();

    if (!model.showText() || !measure) {
        return out;
    }
    const std::string text = model.caption();
    const auto [tw, th] = measure(text);
    const PbRect r = centredText(width, height, tw, th);
    const bool twoTone = style == 6 || style == 9;
    // In the two-tone styles the plain text gives way once the fill has passed it.
    const bool fillPassed = percent / 100.0 * width > r.right;
    if (!twoTone || !fillPassed) {
        out.push_back({PbDrawKind::Text, r, style == 6 ? kSilver : kBlack, 0, 0, text, {}});
    }
    if (twoTone) {
        out.push_back({PbDrawKind::Text, r, drawer.light(model.color(), 80), 0, 0, text,
                       PbRect{0, 0, drawer.fillEdge(), height}});
    }
    return out;
}

} // namespace sv
