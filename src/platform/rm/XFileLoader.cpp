#include "rm/MeshBuilder.h"
#include "rm/XFileMeshReader.h"
#include "rm/XFileReader.h"

namespace rm {

HRESULT MeshBuilder3::DoLoad(const void* source, const void* objectId, std::uint32_t options,
                             LoadTextureCallback loadTexture, void* argument)
{
    std::uint32_t position = 0;
    if (options & D3DRMLOAD_BYPOSITION) {
        if (!objectId)
            return D3DRMERR_BADVALUE;
        position = *static_cast<const std::uint32_t*>(objectId);
    }
    XFileReader reader;
    if (const HRESULT result = reader.Read(source, options); result != D3DRM_OK)
        return result;
    // Past the last mesh (BADFILE): how a caller loading position after position learns it is done.
    return XFileMeshReader(reader, loadTexture, argument).Read(position, XFileMeshReader::Coordinates::File, *this);
}

} // namespace rm
