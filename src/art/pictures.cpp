#include "art/pictures.h"

#include <QFile>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>
#include <map>
#include <string>
#include <tuple>

namespace art {
namespace {

// The one basket drawing carries these placeholders where its colours go.
constexpr std::array<const char*, 5> kBasketTokens = {"@STRONG@", "@TINT1@", "@TINT2@", "@TINT3@",
                                                      "@FLECK@"};

struct BasketColours {
  std::string_view suffix;
  std::array<const char*, 5> colours;  // strong, tint 1, tint 2, tint 3, flecks
};

// The tints are the strong colour laid over white at about 29 %, 18 % and 11 %.
constexpr std::array<BasketColours, 4> kBaskets = {{
    {"lightblue", {"#059BCD", "#B6E2F0", "#D1EDF6", "#E4F4FA", "#FFFFFF"}},
    {"red", {"#D90505", "#F4B6B6", "#F8D1D1", "#FBE4E4", "#FFFFFF"}},
    {"yellow", {"#FFCD05", "#FFF0B6", "#FFF6D1", "#FFFAE4", "#FFFFFF"}},
    {"blue", {"#05379B", "#B6C4E2", "#D1DAED", "#E4E9F4", "#FFFFFF"}},
}};

struct PlainPicture {
  std::string_view name;
  const char* resource;
};

constexpr std::array<PlainPicture, 6> kPlainPictures = {{
    {"balloon.red", ":/art/balloon_red.svg"},
    {"balloon.yellow", ":/art/balloon_yellow.svg"},
    {"balloon.lightblue", ":/art/balloon_lightblue.svg"},
    {"balloon.blue", ":/art/balloon_blue.svg"},
    {"trophy", ":/art/trophy.svg"},
    {"check", ":/art/check.svg"},
}};

constexpr std::string_view kBasketPrefix = "basket.";

QByteArray readResource(const char* path) {
  QFile file(QString::fromLatin1(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// The SVG text of a named picture, or empty when there is no such picture.
QByteArray svgFor(std::string_view name) {
  for (const PlainPicture& p : kPlainPictures) {
    if (p.name == name) return readResource(p.resource);
  }
  if (name.starts_with(kBasketPrefix)) {
    const std::string_view set = name.substr(kBasketPrefix.size());
    for (const BasketColours& b : kBaskets) {
      if (b.suffix != set) continue;
      QByteArray svg = readResource(":/art/basket.svg");
      for (size_t i = 0; i < kBasketTokens.size(); ++i) svg.replace(kBasketTokens[i], b.colours[i]);
      return svg;
    }
  }
  return {};
}

// QSvgRenderer switches antialiasing on by itself. This engine forwards every drawing call to a
// painter that keeps it off, and drops render hints on the way, so shapes keep hard edges.
class HardEdgeEngine : public QPaintEngine {
 public:
  explicit HardEdgeEngine(QImage* target) : QPaintEngine(AllFeatures), target_(target) {}

  bool begin(QPaintDevice*) override {
    if (!out_.begin(target_)) return false;
    out_.setRenderHint(QPainter::Antialiasing, false);
    return true;
  }
  bool end() override { return out_.end(); }

  void updateState(const QPaintEngineState& s) override {
    const DirtyFlags f = s.state();
    if (f & DirtyPen) out_.setPen(s.pen());
    if (f & DirtyBrush) out_.setBrush(s.brush());
    if (f & DirtyBrushOrigin) out_.setBrushOrigin(s.brushOrigin());
    if (f & DirtyTransform) out_.setTransform(s.transform());
    if (f & DirtyClipEnabled) out_.setClipping(s.isClipEnabled());
    if (f & DirtyClipPath) out_.setClipPath(s.clipPath(), s.clipOperation());
    if (f & DirtyClipRegion) out_.setClipRegion(s.clipRegion(), s.clipOperation());
    if (f & DirtyOpacity) out_.setOpacity(s.opacity());
    if (f & DirtyCompositionMode) out_.setCompositionMode(s.compositionMode());
  }

  void drawPath(const QPainterPath& path) override { out_.drawPath(path); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    if (mode == PolylineMode) {
      out_.drawPolyline(points, count);
    } else {
      out_.drawPolygon(points, count, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
  }
  void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override {
    out_.drawPixmap(r, pm, sr);
  }
  void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                 Qt::ImageConversionFlags flags) override {
    out_.drawImage(r, image, sr, flags);
  }
  Type type() const override { return User; }

 private:
  QImage* target_;
  QPainter out_;
};

// A paint device over an image, in plain device pixels, drawn through HardEdgeEngine.
class HardEdgeDevice : public QPaintDevice {
 public:
  explicit HardEdgeDevice(QImage* target) : target_(target), engine_(target) {}
  QPaintEngine* paintEngine() const override { return &engine_; }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth:
        return target_->width();
      case PdmHeight:
        return target_->height();
      case PdmWidthMM:
        return qRound(target_->width() * 1000.0 / target_->dotsPerMeterX());
      case PdmHeightMM:
        return qRound(target_->height() * 1000.0 / target_->dotsPerMeterY());
      case PdmDpiX:
      case PdmPhysicalDpiX:
        return qRound(target_->dotsPerMeterX() * 0.0254);
      case PdmDpiY:
      case PdmPhysicalDpiY:
        return qRound(target_->dotsPerMeterY() * 0.0254);
      case PdmDepth:
        return 32;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
      case PdmNumColors:
      default:
        return 0;
    }
  }

 private:
  QImage* target_;
  mutable HardEdgeEngine engine_;
};

QSize devicePixels(QSize size, qreal ratio) {
  return QSize(qMax(0, qRound(size.width() * ratio)), qMax(0, qRound(size.height() * ratio)));
}

// The whole extent of the drawing stretched over the image, each axis on its own scale.
// Plain, unsmoothed filling: the pictures are flat colours with hard edges, and smoothing would
// mix in-between colours along every outline.
void renderInto(QImage* image, const QByteArray& svg) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return;
  HardEdgeDevice device(image);
  QPainter painter(&device);
  renderer.render(&painter, QRectF(0, 0, image->width(), image->height()));
}

QImage render(const QByteArray& svg, QSize pixels, qreal ratio) {
  if (svg.isEmpty() || pixels.isEmpty()) return {};
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  renderInto(&image, svg);
  image.setDevicePixelRatio(ratio);
  return image;
}

using CacheKey = std::tuple<std::string, int, int, qreal>;

std::map<CacheKey, QImage>& cache() {
  static std::map<CacheKey, QImage> images;
  return images;
}

}  // namespace

bool hasPicture(std::string_view name) {
  for (const PlainPicture& p : kPlainPictures) {
    if (p.name == name) return true;
  }
  if (name.starts_with(kBasketPrefix)) {
    const std::string_view set = name.substr(kBasketPrefix.size());
    for (const BasketColours& b : kBaskets) {
      if (b.suffix == set) return true;
    }
  }
  return false;
}

const QImage& picture(std::string_view name, QSize size, qreal devicePixelRatio) {
  CacheKey key{std::string(name), size.width(), size.height(), devicePixelRatio};
  auto& images = cache();
  auto found = images.find(key);
  if (found == images.end()) {
    QImage image = render(svgFor(name), devicePixels(size, devicePixelRatio), devicePixelRatio);
    found = images.emplace(std::move(key), std::move(image)).first;
  }
  return found->second;
}

QImage applicationIconImage() {
  return QImage(QStringLiteral(":/art/icon.xpm")).convertToFormat(QImage::Format_ARGB32);
}

QIcon applicationIcon() {
  // Built once: every window shows it, and each window sets it again when it changes.
  static const QIcon icon = [] {
    QIcon built;
    built.addPixmap(QPixmap::fromImage(applicationIconImage()));
    // Larger and smaller sizes for the desktop come from the scalable drawing, with the same
    // hard edges as the 32 x 32 image.
    const QByteArray svg = readResource(":/art/icon.svg");
    for (int side : {16, 24, 48, 64, 128, 256}) {
      const QImage image = render(svg, QSize(side, side), 1.0);
      if (!image.isNull()) built.addPixmap(QPixmap::fromImage(image));
    }
    return built;
  }();
  return icon;
}

}  // namespace art
