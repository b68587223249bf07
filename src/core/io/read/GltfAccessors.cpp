#include "io/read/GltfAccessors.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace lumeno {

namespace {

int ComponentSize(int type)
{
    switch (type) {
    case TINYGLTF_COMPONENT_TYPE_BYTE:
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE:
        return 1;
    case TINYGLTF_COMPONENT_TYPE_SHORT:
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT:
        return 2;
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT:
    case TINYGLTF_COMPONENT_TYPE_FLOAT:
        return 4;
    default:
        return 0;
    }
}

int ComponentCount(int type)
{
    switch (type) {
    case TINYGLTF_TYPE_SCALAR:
        return 1;
    case TINYGLTF_TYPE_VEC2:
        return 2;
    case TINYGLTF_TYPE_VEC3:
        return 3;
    case TINYGLTF_TYPE_VEC4:
        return 4;
    default:
        return 0;
    }
}

// Elements of one type in a buffer view, from an offset on, tightly packed or strided;
// Value(i, c) reads component c of element i.
class ElementReader
{
public:
    bool Open(const tinygltf::Model &model, int bufferView, size_t offset, int type, int perElement, size_t elements,
              bool strided)
    {
        if (bufferView < 0 || size_t(bufferView) >= model.bufferViews.size())
            return false;
        const tinygltf::BufferView &view = model.bufferViews[size_t(bufferView)];
        if (view.buffer < 0 || size_t(view.buffer) >= model.buffers.size())
            return false;
        const std::vector<unsigned char> &buffer = model.buffers[size_t(view.buffer)].data;
        componentType = type;
        componentSize = ComponentSize(type);
        if (componentSize == 0 || perElement == 0 || elements == 0)
            return false;
        const size_t elementSize = size_t(componentSize * perElement);
        stride = strided && view.byteStride != 0 ? view.byteStride : elementSize;
        if (stride < elementSize || stride > 252)
            return false;
        if (view.byteOffset > buffer.size() || view.byteLength > buffer.size() - view.byteOffset)
            return false;
        // The last element must end within the view; the count cannot pass the view's length.
        if (offset > view.byteLength || elements > view.byteLength ||
            (elements - 1) * stride + elementSize > view.byteLength - offset)
            return false;
        data = buffer.data() + view.byteOffset + offset;
        return true;
    }

    double Value(size_t element, int component, bool normalize) const
    {
        const unsigned char *at = data + element * stride + size_t(component * componentSize);
        switch (componentType) {
        case TINYGLTF_COMPONENT_TYPE_FLOAT: {
            float value;
            std::memcpy(&value, at, 4);
            return value;
        }
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: {
            std::uint32_t value;
            std::memcpy(&value, at, 4);
            return value;
        }
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: {
            std::uint16_t value;
            std::memcpy(&value, at, 2);
            return normalize ? value / 65535.0 : value;
        }
        case TINYGLTF_COMPONENT_TYPE_SHORT: {
            std::int16_t value;
            std::memcpy(&value, at, 2);
            return normalize ? std::max(value / 32767.0, -1.0) : value;
        }
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE:
            return normalize ? *at / 255.0 : *at;
        default: {
            const auto value = static_cast<std::int8_t>(*at);
            return normalize ? std::max(value / 127.0, -1.0) : value;
        }
        }
    }

private:
    const unsigned char *data = nullptr;
    size_t stride = 0;
    int componentType = 0;
    int componentSize = 0;
};

bool IsIndexType(int type)
{
    return type == TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE || type == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT ||
           type == TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
}

// An accessor's values: those of its buffer view or zeros, then its sparse substitutions.
class AccessorValues
{
public:
    bool Open(const tinygltf::Model &model, int index)
    {
        if (index < 0 || size_t(index) >= model.accessors.size())
            return false;
        const tinygltf::Accessor &accessor = model.accessors[size_t(index)];
        componentType = accessor.componentType;
        components = ComponentCount(accessor.type);
        count = accessor.count;
        normalized = accessor.normalized;
        if (ComponentSize(componentType) == 0 || components == 0 || count == 0)
            return false;
        hasView = accessor.bufferView >= 0;
        if (hasView && !base.Open(model, accessor.bufferView, accessor.byteOffset, componentType, components, count,
                                  true))
            return false;
        if (!accessor.sparse.isSparse)
            return true;
        const auto &sparse = accessor.sparse;
        if (sparse.count <= 0 || size_t(sparse.count) > count || sparse.indices.byteOffset < 0 ||
            sparse.values.byteOffset < 0 || !IsIndexType(sparse.indices.componentType))
            return false;
        substitutions = size_t(sparse.count);
        return indices.Open(model, sparse.indices.bufferView, size_t(sparse.indices.byteOffset),
                            sparse.indices.componentType, 1, substitutions, false) &&
               values.Open(model, sparse.values.bufferView, size_t(sparse.values.byteOffset), componentType,
                           components, substitutions, false);
    }

    // Calls store(element, component, value) for every value, and again for those the sparse
    // part replaces; false when store does, or for a sparse index past the elements.
    template <typename Store>
    bool ForEach(bool normalize, Store store) const
    {
        for (size_t i = 0; i < count; ++i)
            for (int c = 0; c < components; ++c)
                if (!store(i, c, hasView ? base.Value(i, c, normalize) : 0.0))
                    return false;
        for (size_t s = 0; s < substitutions; ++s) {
            const double element = indices.Value(s, 0, false);
            if (element >= double(count))
                return false;
            for (int c = 0; c < components; ++c)
                if (!store(size_t(element), c, values.Value(s, c, normalize)))
                    return false;
        }
        return true;
    }

    int componentType = 0;
    int components = 0;
    size_t count = 0;
    bool normalized = false;

private:
    bool hasView = false;
    ElementReader base;
    size_t substitutions = 0;
    ElementReader indices;
    ElementReader values;
};

} // namespace

bool ReadGltfFloats(const tinygltf::Model &model, int index, int components, size_t expectedCount,
                    std::vector<float> &out)
{
    AccessorValues accessor;
    if (!accessor.Open(model, index) || accessor.components < components ||
        (expectedCount != 0 && accessor.count != expectedCount))
        return false;
    out.resize(accessor.count * size_t(components));
    return accessor.ForEach(accessor.normalized, [&](size_t i, int c, double value) {
        if (c < components)
            out[i * size_t(components) + size_t(c)] = float(value);
        return c >= components || std::isfinite(float(value));
    });
}

bool ReadGltfColours(const tinygltf::Model &model, int index, size_t expectedCount, std::vector<std::uint8_t> &out)
{
    AccessorValues accessor;
    if (!accessor.Open(model, index) || accessor.count != expectedCount || accessor.components < 3 ||
        accessor.componentType == TINYGLTF_COMPONENT_TYPE_BYTE ||
        accessor.componentType == TINYGLTF_COMPONENT_TYPE_SHORT ||
        accessor.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT)
        return false;
    out.assign(accessor.count * 4, 255);
    return accessor.ForEach(true, [&](size_t i, int c, double value) {
        if (!std::isfinite(value))
            return false;
        out[i * 4 + size_t(c)] = std::uint8_t(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
        return true;
    });
}

bool ReadGltfCorners(const tinygltf::Model &model, int index, size_t points, std::vector<std::uint32_t> &out)
{
    if (index < 0) {
        out.resize(points);
        for (size_t i = 0; i < points; ++i)
            out[i] = std::uint32_t(i);
        return true;
    }
    AccessorValues accessor;
    if (!accessor.Open(model, index) || accessor.components != 1 || !IsIndexType(accessor.componentType))
        return false;
    out.resize(accessor.count);
    return accessor.ForEach(false, [&](size_t i, int, double value) {
        out[i] = std::uint32_t(value);
        return value < double(points);
    });
}

} // namespace lumeno
