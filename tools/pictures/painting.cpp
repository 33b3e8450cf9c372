#include "painting.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace pictures {

Rgb rgb(int red, int green, int blue) { return {red / 255.0, green / 255.0, blue / 255.0}; }

QColor toColor(Rgb colour, double alpha)
{
    auto channel = [](double v) { return std::clamp(static_cast<int>(std::lround(v * 255)), 0, 255); };
    return QColor(channel(colour.r), channel(colour.g), channel(colour.b), channel(alpha));
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

Random::Random(std::uint32_t seed) : state(seed * 2654435761ull + 1) { uniform(); }

double Random::uniform()
{
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<double>(state >> 11) / 9007199254740992.0; // 2^53
}

double Random::between(double low, double high) { return low + (high - low) * uniform(); }
int Random::below(int count) { return std::min(count - 1, static_cast<int>(uniform() * count)); }

namespace {

// Wrapping unsigned arithmetic: the same lattice values on every build.
double lattice(int ix, int iy, int iz, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(ix) * 374761393u + static_cast<std::uint32_t>(iy) * 668265263u
                      + static_cast<std::uint32_t>(iz) * 3266489917u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return h / 4294967295.0;
}

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
double lerp(double a, double b, double t) { return a + (b - a) * t; }

} // namespace

double noise(double x, double y, double z, std::uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    const double u = fade(x - fx), v = fade(y - fy), w = fade(z - fz);
    auto plane = [&](int k) {
        return lerp(lerp(lattice(ix, iy, k, seed), lattice(ix + 1, iy, k, seed), u),
                    lerp(lattice(ix, iy + 1, k, seed), lattice(ix + 1, iy + 1, k, seed), u), v);
    };
    return lerp(plane(iz), plane(iz + 1), w);
}

double noise(double x, double y, std::uint32_t seed) { return noise(x, y, 0.5, seed); }

double fractal(double x, double y, double z, int octaves, std::uint32_t seed)
{
    double sum = 0, weight = 0, amplitude = 1;
    for (int k = 0; k < octaves; ++k) {
        sum += amplitude * noise(x, y, z, seed + 97u * static_cast<std::uint32_t>(k));
        weight += amplitude;
        amplitude *= 0.5;
        x *= 2.03, y *= 2.03, z *= 2.03;
    }
    return sum / weight;
}

double fractal(double x, double y, int octaves, std::uint32_t seed) { return fractal(x, y, 0.5, octaves, seed); }

QImage canvas(QSize designSize, int resolution, QImage::Format format)
{
    QImage image(designSize * resolution, format);
    image.setDevicePixelRatio(resolution);
    return image;
}

QRectF designRect(const QImage& image)
{
    return {QPointF(0, 0), image.deviceIndependentSize()};
}

void shadePixels(QImage& image, const std::function<Rgb(double x, double y)>& shade)
{
    const double step = 1 / image.devicePixelRatio();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = toColor(shade((x + 0.5) * step, (y + 0.5) * step)).rgb();
    }
}

void paintGlow(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient glow(centre, radius);
    QColor middle = colour, edge = colour;
    middle.setAlphaF(colour.alphaF() * 0.3f);
    edge.setAlpha(0);
    glow.setColorAt(0, colour);
    glow.setColorAt(0.35, middle);
    glow.setColorAt(1, edge);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void paintStars(QPainter& painter, const QRectF& area, int count, std::uint32_t seed, double brightness)
{
    static const QColor tints[] = {{200, 215, 255}, {235, 240, 255}, {255, 255, 255}, {255, 240, 215}, {255, 214, 170}};
    Random random(seed);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(random.between(area.left(), area.right()), random.between(area.top(), area.bottom()));
        const double level = 0.2 + 0.8 * std::pow(random.uniform(), 4); // most stars are faint
        QColor tint = tints[random.below(5)];
        tint.setAlphaF(static_cast<float>(std::min(1.0, level * brightness * 1.2)));
        if (level > 0.75) {
            QColor halo = tint;
            halo.setAlphaF(tint.alphaF() * 0.45f);
            paintGlow(painter, at, 2 + 3 * level, halo);
        }
        painter.setBrush(tint);
        const double size = 0.45 + 0.75 * level;
        painter.drawEllipse(at, size, size);
    }
    painter.restore();
}

void paintSpikedStar(QPainter& painter, QPointF centre, double size, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor halo = colour;
    halo.setAlphaF(colour.alphaF() * 0.6f);
    paintGlow(painter, centre, size * 0.45, halo);
    QColor clear = colour;
    clear.setAlpha(0);
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double angle = quarter * M_PI / 2 + 0.12;
        const QPointF tip = centre + QPointF(std::cos(angle), std::sin(angle)) * size;
        const QPointF side = QPointF(-std::sin(angle), std::cos(angle)) * 0.7;
        QLinearGradient fadeOut(centre, tip);
        fadeOut.setColorAt(0, colour);
        fadeOut.setColorAt(1, clear);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fadeOut);
        painter.drawPolygon(QPolygonF{centre + side, tip, centre - side});
    }
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(centre, size * 0.07 + 0.6, size * 0.07 + 0.6);
    painter.restore();
}

double SurfacePoint::latitude() const { return std::asin(std::clamp(z, -1.0, 1.0)); }
double SurfacePoint::longitude() const { return std::atan2(y, x); }

namespace {

struct Vec {
    double x = 0, y = 0, z = 0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator*(Vec a, double k) { return {a.x * k, a.y * k, a.z * k}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec normalised(Vec a) { return a * (1 / std::sqrt(dot(a, a))); }
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// The globe's own axes seen in picture space, and the light.
struct Frame {
    Vec front, east, north, sun;

    explicit Frame(const Globe& globe)
    {
        const double t = qDegreesToRadians(globe.tilt), r = qDegreesToRadians(globe.roll);
        auto roll = [&](Vec v) { return Vec{v.x * std::cos(r) - v.y * std::sin(r), v.x * std::sin(r) + v.y * std::cos(r), v.z}; };
        north = roll({0, -std::cos(t), std::sin(t)});
        front = roll({0, std::sin(t), std::cos(t)});
        east = cross(north, front);
        sun = normalised({globe.sunX, globe.sunY, globe.sunZ});
    }
    SurfacePoint toSurface(Vec n) const { return {dot(n, front), dot(n, east), dot(n, north)}; }
    Vec toPicture(const SurfacePoint& p) const { return front * p.x + east * p.y + north * p.z; }
};

// The surface normal tipped by the slopes of the relief.
Vec reliefNormal(const Globe& globe, const Frame& frame, const SurfacePoint& p)
{
    const Vec at{p.x, p.y, p.z};
    Vec along = std::abs(p.z) < 0.999 ? normalised(Vec{-p.y, p.x, 0}) : Vec{1, 0, 0};
    Vec across = cross(at, along);
    constexpr double step = 0.0015;
    auto height = [&](Vec v) {
        v = normalised(v);
        return globe.relief({v.x, v.y, v.z});
    };
    const double h = height(at);
    const double slopeAlong = (height(at + along * step) - h) / step;
    const double slopeAcross = (height(at + across * step) - h) / step;
    const Vec tipped = normalised(at + (along * slopeAlong + across * slopeAcross) * -globe.reliefScale);
    return frame.toPicture({tipped.x, tipped.y, tipped.z});
}

// Whether the relief round a point stands between it and the light: follows
// the ray towards the light until it rises above the highest relief.
bool inShadow(const Globe& globe, const Frame& frame, const SurfacePoint& p)
{
    const Vec sun{dot(frame.sun, frame.front), dot(frame.sun, frame.east), dot(frame.sun, frame.north)};
    const Vec from = Vec{p.x, p.y, p.z} * (1 + globe.relief(p));
    // Fine steps near the point, where small craters cast their shadows;
    // longer ones further out, where only large relief matters.
    double step = 0.0015;
    for (double s = step; s < 0.3; s += step, step *= 1.06) {
        const Vec at = from + sun * s;
        const double length = std::sqrt(dot(at, at));
        if (length - 1 > globe.reliefTop)
            return false;
        if (globe.relief({at.x / length, at.y / length, at.z / length}) > length - 1)
            return true;
    }
    return false;
}

Rgb globeColour(const Globe& globe, const Frame& frame, Vec n)
{
    const SurfacePoint p = frame.toSurface(n);
    const Rgb albedo = globe.surface(p);
    const Vec lit = globe.relief ? reliefNormal(globe, frame, p) : n;
    double toSun = dot(lit, frame.sun);
    // Relief casts shadows only where the light comes in low.
    if (globe.relief && toSun > 0 && dot(n, frame.sun) < 0.4 && inShadow(globe, frame, p))
        toSun = 0;
    const double toViewer = n.z;
    double light = 0;
    if (globe.glows)
        light = 1;
    else if (globe.dustySurface)
        light = toSun > 0 ? std::min(1.6, 1.7 * toSun / (toSun + toViewer + 0.05)) * 0.85 + 0.15 * toSun : 0;
    else
        light = std::max(0.0, (toSun + 0.04) / 1.04);
    if (globe.rings.outer > 0 && light > 0) {
        const double along = dot(frame.north, frame.sun);
        const double t = std::abs(along) > 1e-6 ? -dot(frame.north, n) / along : -1;
        if (t > 0) {
            const Vec q = n + frame.sun * t;
            const double r = std::sqrt(dot(q, q));
            if (r >= globe.rings.inner && r <= globe.rings.outer)
                light *= 1 - globe.ringShadow * globe.rings.look(r).opacity;
        }
    }
    const double limb = 1 - globe.limbDarkening * (1 - toViewer);
    const double hazeLight = smoothstep(-0.25, 0.3, dot(n, frame.sun));
    return albedo * (light * limb + globe.ambient) + globe.haze * (std::pow(1 - toViewer, 2) * hazeLight);
}

} // namespace

void paintGlobe(QImage& image, const Globe& globe)
{
    const Frame frame(globe);
    // Device pixels from here on: the finer the image, the finer the detail.
    const double ratio = image.devicePixelRatio();
    const QPointF centre = globe.centre * ratio;
    const double radius = globe.radius * ratio;
    const double reach = (globe.rings.outer > 0 ? globe.rings.outer : 1) * radius + 2 * ratio;
    const int left = std::max(0, static_cast<int>(centre.x() - reach));
    const int right = std::min(image.width() - 1, static_cast<int>(centre.x() + reach));
    const int top = std::max(0, static_cast<int>(centre.y() - reach));
    const int bottom = std::min(image.height() - 1, static_cast<int>(centre.y() + reach));
    constexpr int samples = 3; // per pixel side, for smooth edges
    for (int py = top; py <= bottom; ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = left; px <= right; ++px) {
            Rgb sum;
            double cover = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = (px + (sx + 0.5) / samples - centre.x()) / radius;
                    const double y = (py + (sy + 0.5) / samples - centre.y()) / radius;
                    Rgb colour;
                    double alpha = 0, depth = -1e9;
                    if (x * x + y * y < 1) {
                        depth = std::sqrt(1 - x * x - y * y);
                        colour = globeColour(globe, frame, {x, y, depth});
                        alpha = 1;
                    }
                    if (globe.rings.outer > 0 && std::abs(frame.north.z) > 1e-6) {
                        const Vec at{x, y, -(frame.north.x * x + frame.north.y * y) / frame.north.z};
                        const double r = std::sqrt(dot(at, at));
                        if (r >= globe.rings.inner && r <= globe.rings.outer && at.z > depth) {
                            const Rgba ring = globe.rings.look(r);
                            const double towardsSun = dot(at, frame.sun);
                            const double miss = dot(at, at) - towardsSun * towardsSun;
                            const double shadow = towardsSun < 0 ? 0.08 + 0.92 * smoothstep(0.97, 1.03, miss) : 1;
                            colour = ring.colour * (ring.opacity * shadow) + colour * (1 - ring.opacity);
                            alpha = ring.opacity + alpha * (1 - ring.opacity);
                        }
                    }
                    sum = sum + colour;
                    cover += alpha;
                }
            constexpr double share = 1.0 / (samples * samples);
            const QColor behind(line[px]);
            const Rgb under = rgb(behind.red(), behind.green(), behind.blue());
            line[px] = toColor(sum * share + under * (globe.behindAir ? 1 : 1 - cover * share)).rgb();
        }
    }
}

QImage blurred(const QImage& source, double designRadius)
{
    const double ratio = source.devicePixelRatio();
    const double radius = designRadius * ratio;
    const int reach = std::max(1, static_cast<int>(std::ceil(radius * 3)));
    std::vector<double> kernel(2 * reach + 1);
    double total = 0;
    for (int i = -reach; i <= reach; ++i)
        total += kernel[i + reach] = std::exp(-i * i / (2 * radius * radius));
    for (double& k : kernel)
        k /= total;
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    auto pass = [&](const QImage& from, bool across) {
        QImage to(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double r = 0, g = 0, b = 0;
                for (int i = -reach; i <= reach; ++i) {
                    const int sx = across ? std::clamp(x + i, 0, w - 1) : x;
                    const int sy = across ? y : std::clamp(y + i, 0, h - 1);
                    const QRgb c = reinterpret_cast<const QRgb*>(from.constScanLine(sy))[sx];
                    const double k = kernel[i + reach];
                    r += qRed(c) * k, g += qGreen(c) * k, b += qBlue(c) * k;
                }
                reinterpret_cast<QRgb*>(to.scanLine(y))[x] = qRgb(std::lround(r), std::lround(g), std::lround(b));
            }
        return to;
    };
    QImage result = pass(pass(image, true), false);
    result.setDevicePixelRatio(ratio);
    return result;
}

void eyepieceField(QImage& image, QPointF centre, double radius)
{
    const double step = 1 / image.devicePixelRatio();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot((x + 0.5) * step - centre.x(), (y + 0.5) * step - centre.y());
            const double keep = 1 - smoothstep(radius - 1.5, radius + 0.5, d);
            const QRgb c = line[x];
            line[x] = qRgb(std::lround(qRed(c) * keep), std::lround(qGreen(c) * keep), std::lround(qBlue(c) * keep));
        }
    }
}

void speckle(QPainter& painter, const QPainterPath& shape, const QRectF& area, int count, std::uint32_t seed,
             QSizeF dotRadii, const std::function<QColor(Random&)>& colour)
{
    Random random(seed);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(random.between(area.left(), area.right()), random.between(area.top(), area.bottom()));
        if (!shape.contains(at))
            continue;
        painter.setBrush(colour(random));
        painter.drawEllipse(at, dotRadii.width(), dotRadii.height());
    }
}

} // namespace pictures
