#include "LookForDrawing.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

namespace {

// The sRGB encoding of a linear channel, as displays expect it.
double ScreenChannel(double linear)
{
    const double c = std::clamp(linear, 0.0, 1.0);
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

struct DecodedImage
{
    vtkSmartPointer<vtkImageData> pixels; // null when it cannot be decoded
    std::array<double, 3> mean{1, 1, 1};
};

DecodedImage Decode(const lumeno::TextureImage &image)
{
    DecodedImage decoded;
    if (image.Missing())
        return decoded;
    const QImage read = QImage::fromData(image.bytes).convertToFormat(QImage::Format_RGBA8888);
    if (read.isNull())
        return decoded;
    decoded.pixels = vtkSmartPointer<vtkImageData>::New();
    decoded.pixels->SetDimensions(read.width(), read.height(), 1);
    decoded.pixels->AllocateScalars(VTK_UNSIGNED_CHAR, 4);
    auto *pixels = static_cast<unsigned char *>(decoded.pixels->GetScalarPointer());
    const size_t rowBytes = size_t(read.width()) * 4;
    // VTK rows run bottom-up, QImage rows top-down; texture coordinates have v up, as OBJ's.
    for (int y = 0; y < read.height(); ++y)
        std::memcpy(pixels + size_t(y) * rowBytes, read.constScanLine(read.height() - 1 - y), rowBytes);
    // A sample of some 65,000 pixels is enough for a mean colour.
    const size_t count = size_t(read.width()) * size_t(read.height());
    const size_t step = std::max<size_t>(1, count / 65536);
    std::array<double, 3> sum{0, 0, 0};
    size_t sampled = 0;
    for (size_t i = 0; i < count; i += step, ++sampled)
        for (int c = 0; c < 3; ++c)
            sum[size_t(c)] += pixels[4 * i + size_t(c)];
    for (int c = 0; c < 3; ++c)
        decoded.mean[size_t(c)] = sum[size_t(c)] / (255.0 * double(sampled));
    return decoded;
}

// KHR_texture_transform (offset × rotation × scale, in glTF's coordinates, v down) as it
// applies to the texture coordinates as read, whose v runs up: flipped, transformed, flipped back.
vtkSmartPointer<vtkTransform> TextureTransform(const lumeno::TextureSlot &slot)
{
    if (!slot.transformed)
        return nullptr;
    const double c = std::cos(slot.rotation), s = std::sin(slot.rotation);
    const double a = c * slot.scale[0], b = -s * slot.scale[1], d = s * slot.scale[0], e = c * slot.scale[1];
    const double elements[16] = {a,  -b, 0, b + slot.offset[0],     //
                                 -d, e,  0, 1 - e - slot.offset[1], //
                                 0,  0,  1, 0,                      //
                                 0,  0,  0, 1};
    auto transform = vtkSmartPointer<vtkTransform>::New();
    transform->SetMatrix(elements);
    return transform;
}

MaterialAppearance::Wrap WrapOf(const lumeno::TextureSlot &slot)
{
    // glTF's sampler (OpenGL's numbers), else OBJ's "-clamp on".
    if (slot.wrapS == 33071 || slot.objOptions.contains(QLatin1String("-clamp on")))
        return MaterialAppearance::Wrap::Clamp;
    if (slot.wrapS == 33648)
        return MaterialAppearance::Wrap::Mirror;
    return MaterialAppearance::Wrap::Repeat;
}

} // namespace

bool GivesLinearColours(const QString &suffix)
{
    return suffix == QLatin1String("gltf") || suffix == QLatin1String("glb");
}

std::shared_ptr<const LookForDrawing> PrepareLookForDrawing(const lumeno::SharedLook &look, bool linearColours)
{
    if (!look || look->Empty())
        return nullptr;
    auto drawing = std::make_shared<LookForDrawing>();
    drawing->look = look;
    std::map<int, DecodedImage> decoded; // only the images some material draws
    for (const lumeno::Material &material : look->materials) {
        MaterialAppearance appearance;
        for (size_t c = 0; c < 3; ++c)
            appearance.colour[c] = linearColours ? ScreenChannel(material.baseColour[c])
                                                 : std::clamp(material.baseColour[c], 0.0, 1.0);
        const int index = material.baseColourTexture.image;
        if (index >= 0 && size_t(index) < look->images.size()) {
            auto found = decoded.find(index);
            if (found == decoded.end()) {
                found = decoded.emplace(index, Decode(look->images[size_t(index)])).first;
                // A missing file is told by the reading; one that is there but no image, here.
                if (!found->second.pixels && !look->images[size_t(index)].Missing())
                    drawing->texturesNotShown << look->images[size_t(index)].name;
            }
            appearance.hasTexture = true;
            appearance.texture = found->second.pixels;
            appearance.textureTransform = TextureTransform(material.baseColourTexture);
            appearance.wrap = WrapOf(material.baseColourTexture);
            appearance.smooth = material.baseColourTexture.magFilter != 9728; // GL_NEAREST
            for (size_t c = 0; c < 3; ++c)
                appearance.textureColour[c] = appearance.colour[c] * found->second.mean[c];
        } else {
            appearance.textureColour = appearance.colour;
        }
        drawing->materials.push_back(appearance);
    }
    return drawing;
}
