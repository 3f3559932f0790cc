#include "ErrorText.h"

#include <algorithm>
#include <iterator>

namespace {

struct ErrorTextRow {
    win::HRESULT value;
    const char* text;
};

// DirectDraw reports running out of video memory with the same words as running out of memory.
constexpr const char* kOutOfMemoryText = "DirectDraw does not have enough memory to perform the operation.";

// Exact 32-bit values; where DirectDraw, DirectInput and COM share a value there is one row for it.
constexpr ErrorTextRow kRows[] = {
    {static_cast<win::HRESULT>(0x00000000u), "No error."}, // DD_OK, DI_OK, D3D_OK, D3DRM_OK

    // COM and DirectInput
    {static_cast<win::HRESULT>(0x8000000Au), "Data is not yet available."},
    {static_cast<win::HRESULT>(0x80004001u), "Action not supported."},
    {static_cast<win::HRESULT>(0x80004002u), "The specified interface is not supported by the object."},
    {static_cast<win::HRESULT>(0x80004005u), "Generic failure."},
    {static_cast<win::HRESULT>(0x80040110u), "This object does not support aggregation."},
    {static_cast<win::HRESULT>(0x80040154u), "The device or device instance is not registered with DirectInput."},
    {static_cast<win::HRESULT>(0x80040201u), "The device is full."},
    {static_cast<win::HRESULT>(0x80040202u), "\tNot all the requested information fitted into the buffer."},
    {static_cast<win::HRESULT>(0x80040203u), "The effect is not downloaded."},
    {static_cast<win::HRESULT>(0x80040204u), "The device cannot be reinitialized."},
    {static_cast<win::HRESULT>(0x80040205u), "The device is acquired in DISCL_EXCLUSIVE mode."},
    {static_cast<win::HRESULT>(0x80040206u), "The effect could not be downloaded because essential information is missing."},
    {static_cast<win::HRESULT>(0x80040207u), "The device is not buffered."},
    {static_cast<win::HRESULT>(0x80040208u), "The device does not support updating an effect while it is still playing."},
    {static_cast<win::HRESULT>(0x80070002u), "The requested object does not exist."},
    {static_cast<win::HRESULT>(0x80070005u), "The device already has an event notification associated with it."},
    {static_cast<win::HRESULT>(0x8007000Cu), "The operation cannot be performed unless the device is acquired."},
    {static_cast<win::HRESULT>(0x8007000Eu), kOutOfMemoryText},
    {static_cast<win::HRESULT>(0x80070015u), "This object has not been initialized."},
    {static_cast<win::HRESULT>(0x8007001Eu), "Access to the input device has been lost."},
    {static_cast<win::HRESULT>(0x80070057u), "One or more of the parameters passed to the function are incorrect."},
    {static_cast<win::HRESULT>(0x80070077u), "Incompatible driver version."},
    {static_cast<win::HRESULT>(0x800700AAu), "The operation cannot be performed while the device is acquired."},
    {static_cast<win::HRESULT>(0x8007047Eu), "The application requires a newer version of DirectInput."},
    {static_cast<win::HRESULT>(0x80070481u), "The application was written for an unsupported prerelease version of DirectInput."},
    {static_cast<win::HRESULT>(0x800704DFu), "This object is already initialized."},

    // DirectDraw
    {static_cast<win::HRESULT>(0x88760005u), "This object is already initialized."}, // DDERR_ALREADYINITIALIZED
    {static_cast<win::HRESULT>(0x8876000Au), "The surface could not be attached to the one requested."}, // DDERR_CANNOTATTACHSURFACE
    {static_cast<win::HRESULT>(0x88760014u), "The surface could not be detached from the one requested."}, // DDERR_CANNOTDETACHSURFACE
    {static_cast<win::HRESULT>(0x88760028u), "The requested support is not available at the moment."}, // DDERR_CURRENTLYNOTAVAIL
    {static_cast<win::HRESULT>(0x88760037u), "An exception was raised while the operation was being carried out."}, // DDERR_EXCEPTION
    {static_cast<win::HRESULT>(0x8876005Au), "The height of the rectangle is not a multiple of the alignment the hardware requires."}, // DDERR_HEIGHTALIGN
    {static_cast<win::HRESULT>(0x8876005Fu), "The requested primary surface does not match the primary surface that already exists."}, // DDERR_INCOMPATIBLEPRIMARY
    {static_cast<win::HRESULT>(0x88760064u), "One or more of the capability bits given to the call are not valid."}, // DDERR_INVALIDCAPS
    {static_cast<win::HRESULT>(0x8876006Eu), "DirectDraw does not accept the clip list it was given."}, // DDERR_INVALIDCLIPLIST
    {static_cast<win::HRESULT>(0x88760078u), "The requested display mode is not supported."}, // DDERR_INVALIDMODE
    {static_cast<win::HRESULT>(0x88760082u), "The DirectDraw object passed to the call is not valid."}, // DDERR_INVALIDOBJECT
    {static_cast<win::HRESULT>(0x88760091u), "The pixel format given is not valid."}, // DDERR_INVALIDPIXELFORMAT
    {static_cast<win::HRESULT>(0x88760096u), "The rectangle given is not valid."}, // DDERR_INVALIDRECT
    {static_cast<win::HRESULT>(0x887600A0u), "The operation cannot go ahead while one or more surfaces are locked."}, // DDERR_LOCKEDSURFACES
    {static_cast<win::HRESULT>(0x887600AAu), "No 3D hardware or emulation is available."}, // DDERR_NO3D
    {static_cast<win::HRESULT>(0x887600B4u), "The operation needs alpha blending hardware, and none is present or available."}, // DDERR_NOALPHAHW
    {static_cast<win::HRESULT>(0x887600CDu), "No clip list is available."}, // DDERR_NOCLIPLIST
    {static_cast<win::HRESULT>(0x887600D2u), "The operation needs color conversion hardware, and none is present or available."}, // DDERR_NOCOLORCONVHW
    {static_cast<win::HRESULT>(0x887600D4u), "A create call was made before the cooperative level was set."}, // DDERR_NOCOOPERATIVELEVELSET
    {static_cast<win::HRESULT>(0x887600D7u), "The surface has no color key."}, // DDERR_NOCOLORKEY
    {static_cast<win::HRESULT>(0x887600DCu), "The destination color key cannot be used because no color key hardware is present."}, // DDERR_NOCOLORKEYHW
    {static_cast<win::HRESULT>(0x887600E1u), "The operation needs exclusive mode, which the application does not hold."}, // DDERR_NOEXCLUSIVEMODE
    {static_cast<win::HRESULT>(0x887600E6u), "The hardware cannot flip visible surfaces."}, // DDERR_NOFLIPHW
    {static_cast<win::HRESULT>(0x887600F0u), "No GDI is present."}, // DDERR_NOGDI
    {static_cast<win::HRESULT>(0x887600FAu), "The operation needs mirroring hardware, and none is present or available."}, // DDERR_NOMIRRORHW
    {static_cast<win::HRESULT>(0x887600FFu), "The requested item could not be found."}, // DDERR_NOTFOUND
    {static_cast<win::HRESULT>(0x88760104u), "The operation needs overlay hardware, and none is present or available."}, // DDERR_NOOVERLAYHW
    {static_cast<win::HRESULT>(0x88760118u), "The operation needs raster operation hardware, and none is present or available."}, // DDERR_NORASTEROPHW
    {static_cast<win::HRESULT>(0x88760122u), "The operation needs rotation hardware, and none is present or available."}, // DDERR_NOROTATIONHW
    {static_cast<win::HRESULT>(0x88760136u), "The operation needs stretching hardware, and none is present or available."}, // DDERR_NOSTRETCHHW
    {static_cast<win::HRESULT>(0x8876013Cu), "The operation needs a surface with a 4-bit color palette, and this surface has none."}, // DDERR_NOT4BITCOLOR
    {static_cast<win::HRESULT>(0x8876013Du), "The operation needs a surface with a 4-bit color index palette, and this surface has none."}, // DDERR_NOT4BITCOLORINDEX
    {static_cast<win::HRESULT>(0x88760140u), "The operation needs a surface with 8-bit color, and this surface is not one."}, // DDERR_NOT8BITCOLOR
    {static_cast<win::HRESULT>(0x8876014Au), "The operation needs texture mapping hardware, and none is present or available."}, // DDERR_NOTEXTUREHW
    {static_cast<win::HRESULT>(0x8876014Fu), "The operation needs vertical blank synchronization hardware, and none is present or available."}, // DDERR_NOVSYNCHW
    {static_cast<win::HRESULT>(0x88760154u), "The operation needs Z-buffer hardware, and none is present or available."}, // DDERR_NOZBUFFERHW
    {static_cast<win::HRESULT>(0x8876015Eu), "The hardware cannot place overlays in Z order."}, // DDERR_NOZOVERLAYHW
    {static_cast<win::HRESULT>(0x88760168u), "The hardware the operation needs has already been allocated."}, // DDERR_OUTOFCAPS
    {static_cast<win::HRESULT>(0x8876017Cu), kOutOfMemoryText}, // DDERR_OUTOFVIDEOMEMORY
    {static_cast<win::HRESULT>(0x8876017Eu), "The hardware cannot clip an overlay."}, // DDERR_OVERLAYCANTCLIP
    {static_cast<win::HRESULT>(0x88760180u), "Only one color key can be active on an overlay at a time."}, // DDERR_OVERLAYCOLORKEYONLYONEACTIVE
    {static_cast<win::HRESULT>(0x88760183u), "The palette is locked by another thread."}, // DDERR_PALETTEBUSY
    {static_cast<win::HRESULT>(0x88760190u), "No source color key has been set for the surface."}, // DDERR_COLORKEYNOTSET
    {static_cast<win::HRESULT>(0x8876019Au), "The surface is already attached to the surface it was to be attached to."}, // DDERR_SURFACEALREADYATTACHED
    {static_cast<win::HRESULT>(0x887601A4u), "The surface already depends on the surface it was to be made dependent on."}, // DDERR_SURFACEALREADYDEPENDENT
    {static_cast<win::HRESULT>(0x887601AEu), "The surface is locked by another thread."}, // DDERR_SURFACEBUSY
    {static_cast<win::HRESULT>(0x887601B8u), "The surface cannot be reached because another window covers it."}, // DDERR_SURFACEISOBSCURED
    {static_cast<win::HRESULT>(0x887601C2u), "Access to this surface is being refused because the surface memory is gone. The DirectDrawSurface object representing this surface should have Restore called on it."}, // DDERR_SURFACELOST
    {static_cast<win::HRESULT>(0x887601CCu), "The surface named in the call is not attached."}, // DDERR_SURFACENOTATTACHED
    {static_cast<win::HRESULT>(0x887601D6u), "The requested height is larger than DirectDraw can create."}, // DDERR_TOOBIGHEIGHT
    {static_cast<win::HRESULT>(0x887601E0u), "The requested size is larger than DirectDraw can create."}, // DDERR_TOOBIGSIZE
    {static_cast<win::HRESULT>(0x887601EAu), "The requested width is larger than DirectDraw can create."}, // DDERR_TOOBIGWIDTH
    {static_cast<win::HRESULT>(0x887601FEu), "DirectDraw does not support the requested FourCC format."}, // DDERR_UNSUPPORTEDFORMAT
    {static_cast<win::HRESULT>(0x88760208u), "DirectDraw does not support the requested pixel format bit mask."}, // DDERR_UNSUPPORTEDMASK
    {static_cast<win::HRESULT>(0x88760219u), "A vertical blank is in progress."}, // DDERR_VERTICALBLANKINPROGRESS
    {static_cast<win::HRESULT>(0x8876021Cu), "Informs DirectDraw that the previous Blt which is transfering information to or from this Surface is incomplete."}, // DDERR_WASSTILLDRAWING
    {static_cast<win::HRESULT>(0x88760230u), "The rectangle given does not start on a horizontal boundary the hardware requires."}, // DDERR_XALIGN
    {static_cast<win::HRESULT>(0x88760231u), "The GUID passed to create DirectDraw does not name a valid DirectDraw driver."}, // DDERR_INVALIDDIRECTDRAWGUID
    {static_cast<win::HRESULT>(0x88760232u), "A DirectDraw object for this driver has already been created in this process."}, // DDERR_DIRECTDRAWALREADYCREATED
    {static_cast<win::HRESULT>(0x88760233u), "A hardware-only DirectDraw object cannot be created because no DirectDraw hardware is present."}, // DDERR_NODIRECTDRAWHW
    {static_cast<win::HRESULT>(0x88760234u), "This process has already created a primary surface."}, // DDERR_PRIMARYSURFACEALREADYEXISTS
    {static_cast<win::HRESULT>(0x88760235u), "Software emulation is not available."}, // DDERR_NOEMULATION
    {static_cast<win::HRESULT>(0x88760236u), "The region passed for the clip list is too small."}, // DDERR_REGIONTOOSMALL
    {static_cast<win::HRESULT>(0x88760237u), "A clip list cannot be set on a clipper that is already watching a window."}, // DDERR_CLIPPERISUSINGHWND
    {static_cast<win::HRESULT>(0x88760238u), "No clipper is attached to the surface."}, // DDERR_NOCLIPPERATTACHED
    {static_cast<win::HRESULT>(0x88760239u), "Clipper notification needs a window, and none has been set through the cooperative level."}, // DDERR_NOHWND
    {static_cast<win::HRESULT>(0x8876023Au), "DirectDraw cannot restore its state because the window has been subclassed."}, // DDERR_HWNDSUBCLASSED
    {static_cast<win::HRESULT>(0x8876023Bu), "The cooperative level window has already been set. It cannot be changed while surfaces or palettes exist."}, // DDERR_HWNDALREADYSET
    {static_cast<win::HRESULT>(0x8876023Cu), "No palette is attached to the surface."}, // DDERR_NOPALETTEATTACHED
    {static_cast<win::HRESULT>(0x8876023Du), "The hardware has no support for 16-color or 256-color palettes."}, // DDERR_NOPALETTEHW
    {static_cast<win::HRESULT>(0x8876023Eu), "A fast blit cannot be made to a surface that has a clipper attached."}, // DDERR_BLTFASTCANTCLIP
    {static_cast<win::HRESULT>(0x8876023Fu), "No blitting hardware is present."}, // DDERR_NOBLTHW
    {static_cast<win::HRESULT>(0x88760240u), "No DirectDraw raster operation hardware is present."}, // DDERR_NODDROPSHW
    {static_cast<win::HRESULT>(0x88760241u), "The overlay position was asked for while the overlay is hidden."}, // DDERR_OVERLAYNOTVISIBLE
    {static_cast<win::HRESULT>(0x88760242u), "The overlay position was asked for before a destination was set for the overlay."}, // DDERR_NOOVERLAYDEST
    {static_cast<win::HRESULT>(0x88760243u), "The overlay's position on its destination is no longer valid."}, // DDERR_INVALIDPOSITION
    {static_cast<win::HRESULT>(0x88760244u), "An overlay operation was asked of a surface that is not an overlay."}, // DDERR_NOTAOVERLAYSURFACE
    {static_cast<win::HRESULT>(0x88760245u), "Another application already holds exclusive mode."}, // DDERR_EXCLUSIVEMODEALREADYSET
    {static_cast<win::HRESULT>(0x88760246u), "The surface cannot be flipped because it is not part of a flipping chain."}, // DDERR_NOTFLIPPABLE
    {static_cast<win::HRESULT>(0x88760247u), "The surface cannot be duplicated because it is a primary, 3D or implicitly created surface."}, // DDERR_CANTDUPLICATE
    {static_cast<win::HRESULT>(0x88760248u), "The surface is not locked. An unlock was tried on a surface that this process had not locked."}, // DDERR_NOTLOCKED
    {static_cast<win::HRESULT>(0x88760249u), "No device context could be created for the surface."}, // DDERR_CANTCREATEDC
    {static_cast<win::HRESULT>(0x8876024Au), "No device context has been made for the surface."}, // DDERR_NODC
    {static_cast<win::HRESULT>(0x8876024Bu), "The surface was created in another display mode and cannot be restored in this one."}, // DDERR_WRONGMODE
    {static_cast<win::HRESULT>(0x8876024Cu), "The surface was created together with another one and cannot be restored on its own."}, // DDERR_IMPLICITLYCREATED
    {static_cast<win::HRESULT>(0x8876024Du), "The surface does not use a palette."}, // DDERR_NOTPALETTIZED

    // Direct3D
    {static_cast<win::HRESULT>(0x887602BCu), "D3DERR_BADMAJORVERSION"},
    {static_cast<win::HRESULT>(0x887602BDu), "D3DERR_BADMINORVERSION"},
    {static_cast<win::HRESULT>(0x887602C6u), "D3DERR_EXECUTE_CREATE_FAILED"},
    {static_cast<win::HRESULT>(0x887602C7u), "D3DERR_EXECUTE_DESTROY_FAILED"},
    {static_cast<win::HRESULT>(0x887602C8u), "D3DERR_EXECUTE_LOCK_FAILED"},
    {static_cast<win::HRESULT>(0x887602C9u), "D3DERR_EXECUTE_UNLOCK_FAILED"},
    {static_cast<win::HRESULT>(0x887602CAu), "D3DERR_EXECUTE_LOCKED"},
    {static_cast<win::HRESULT>(0x887602CBu), "D3DERR_EXECUTE_NOT_LOCKED"},
    {static_cast<win::HRESULT>(0x887602CCu), "D3DERR_EXECUTE_FAILED"},
    {static_cast<win::HRESULT>(0x887602CDu), "D3DERR_EXECUTE_CLIPPED_FAILED"},
    {static_cast<win::HRESULT>(0x887602D0u), "D3DERR_TEXTURE_NO_SUPPORT"},
    {static_cast<win::HRESULT>(0x887602D1u), "D3DERR_TEXTURE_CREATE_FAILED"},
    {static_cast<win::HRESULT>(0x887602D2u), "D3DERR_TEXTURE_DESTROY_FAILED"},
    {static_cast<win::HRESULT>(0x887602D3u), "D3DERR_TEXTURE_LOCK_FAILED"},
    {static_cast<win::HRESULT>(0x887602D4u), "D3DERR_TEXTURE_UNLOCK_FAILED"},
    {static_cast<win::HRESULT>(0x887602D5u), "D3DERR_TEXTURE_LOAD_FAILED"},
    {static_cast<win::HRESULT>(0x887602D7u), "D3DERR_TEXTURELOCKED"},
    {static_cast<win::HRESULT>(0x887602D8u), "D3DERR_TEXTURE_NOT_LOCKED"},
    {static_cast<win::HRESULT>(0x887602DAu), "D3DERR_MATRIX_CREATE_FAILED"},
    {static_cast<win::HRESULT>(0x887602DBu), "D3DERR_MATRIX_DESTROY_FAILED"},
    {static_cast<win::HRESULT>(0x887602DCu), "D3DERR_MATRIX_SETDATA_FAILED"},
    {static_cast<win::HRESULT>(0x887602DEu), "D3DERR_SETVIEWPORTDATA_FAILED"},
    {static_cast<win::HRESULT>(0x887602E4u), "D3DERR_MATERIAL_CREATE_FAILED"},
    {static_cast<win::HRESULT>(0x887602E5u), "D3DERR_MATERIAL_DESTROY_FAILED"},
    {static_cast<win::HRESULT>(0x887602E6u), "D3DERR_MATERIAL_SETDATA_FAILED"},
    {static_cast<win::HRESULT>(0x887602EEu), "D3DERR_LIGHT_SET_FAILED"},

    // Direct3D Retained Mode
    {static_cast<win::HRESULT>(0x8876030Du), "D3DRMERR_BADOBJECT"},
    {static_cast<win::HRESULT>(0x8876030Eu), "D3DRMERR_BADTYPE"},
    {static_cast<win::HRESULT>(0x8876030Fu), "D3DRMERR_BADALLOC"},
    {static_cast<win::HRESULT>(0x88760310u), "D3DRMERR_FACEUSED"},
    {static_cast<win::HRESULT>(0x88760311u), "D3DRMERR_NOTFOUND"},
    {static_cast<win::HRESULT>(0x88760312u), "D3DRMERR_NOTDONEYET"},
    {static_cast<win::HRESULT>(0x88760313u), "The file was not found."}, // D3DRMERR_FILENOTFOUND
    {static_cast<win::HRESULT>(0x88760314u), "D3DRMERR_BADFILE"},
    {static_cast<win::HRESULT>(0x88760315u), "D3DRMERR_BADDEVICE"},
    {static_cast<win::HRESULT>(0x88760316u), "D3DRMERR_BADVALUE"},
    {static_cast<win::HRESULT>(0x88760317u), "D3DRMERR_BADMAJORVERSION"},
    {static_cast<win::HRESULT>(0x88760318u), "D3DRMERR_BADMINORVERSION"},
    {static_cast<win::HRESULT>(0x88760319u), "D3DRMERR_UNABLETOEXECUTE"},
};

} // namespace

const char* ErrorText(win::HRESULT value)
{
    // A plain scan: this only runs when something has already gone wrong.
    const auto* row = std::ranges::find(kRows, value, &ErrorTextRow::value);
    return row != std::end(kRows) ? row->text : "Unrecognized error value.";
}

std::size_t ErrorTextRowCount()
{
    return std::size(kRows);
}

win::HRESULT ErrorTextRowValue(std::size_t row)
{
    return kRows[row].value;
}
