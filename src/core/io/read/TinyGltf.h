#pragma once

// tinygltf as every file here includes it: only the parser, which decodes no image, writes
// nothing and reads no file itself (GltfReader gives it the buffers). GltfReader.cpp holds
// its implementation.
#define TINYGLTF_NO_STB_IMAGE
#define TINYGLTF_NO_STB_IMAGE_WRITE
#define TINYGLTF_NO_EXTERNAL_IMAGE
#define TINYGLTF_NO_FS
#include <tiny_gltf.h>
