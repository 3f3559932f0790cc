#pragma once

#include "rm/Direct3DRM.h"

// The engine's texture loader, shared by every core: textures come from the open texture pack,
// or from plain files when none is open.
//
// A texture pack: an int32 count, then that many 20-byte entries sorted by name in byte order
// (a lower-case name NUL-terminated within 16 bytes, then the uint32 offset of its data), then
// the textures, each a whole BMP file stored in kTexturePackEntryBytes. Little-endian.

inline constexpr int kTexturePackNameBytes = 16;
inline constexpr int kTexturePackEntryBytes = 66616;

// Opens the pack at `packPath` in place of the one held before; nullptr holds none. A pack that
// cannot be opened, or whose table does not fit the file, is not held.
void LoadTextureHeader(const char* packPath);

// Prefix put straight before every plain texture file name, with no separator added; nullptr
// for none.
void SetTexturePath(const char* path);

// Frees the path, the pack and the last texture, as a core's Destroy does.
void FreeTextureLoader();

// The retained-mode factory the textures are loaded through: the core created last. Not owned:
// a core that releases it sets nullptr.
void UseTextureRM(rm::Direct3DRM3* rm3);

// The loader handed to every model load. A pack never falls back to plain files; without one the
// path-prefixed name is tried, then the bare name. A loaded texture draws no texels of opaque
// grey (127, 127, 127). `argument` is not used.
rm::HRESULT LoadTextureCallback(const char* name, void* argument, rm::Ptr<rm::Texture3>& texture);

// The texture the loader produced last; none after a failed load.
rm::Ptr<rm::Texture3> LastTexture();
