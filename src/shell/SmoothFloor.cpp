#include "shell/SmoothFloor.h"

#include <algorithm>

void SmoothFloor::Attach(rm::Ptr<rm::Texture3> page, rm::Frame3* floor)
{
    Detach();
    page_ = std::move(page);
    const rm::Image& image = *page_->GetImage();
    smooth_ = rm::MakePtr<rm::Texture3>(SmoothPage::kSize, SmoothPage::kSize);
    std::copy_n(image.palette, std::min(image.palette_size, smooth_->GetImage()->palette_size),
                smooth_->GetImage()->palette);
    smooth_->Changed(rm::D3DRMTEXTURE_CHANGEDPALETTE, 0, nullptr);
    smooth_->SetDecalTransparency(page_->DecalTransparency());
    smooth_->SetDecalTransparentColor(page_->DecalTransparentColor());
    if (floor)
        FindMeshes(*floor);
    shown_ = page_.get();
    stale_ = {0, kSheetSize};
    resting_ = false;
}

void SmoothFloor::FindMeshes(rm::Frame3& frame)
{
    for (const rm::Ptr<rm::Visual>& visual : frame.Visuals()) {
        auto* mesh = dynamic_cast<rm::MeshBuilder3*>(visual.get());
        if (mesh && std::ranges::any_of(mesh->Materials(), [this](const rm::MeshMaterial& m) { return m.texture == page_; }))
            meshes_.push_back(rm::Ptr<rm::MeshBuilder3>::Share(mesh));
    }
    for (const rm::Ptr<rm::Frame3>& child : frame.Children())
        FindMeshes(*child);
}

void SmoothFloor::Detach()
{
    if (page_)
        Show(page_);
    meshes_.clear();
    page_.reset();
    smooth_.reset();
    shown_ = nullptr;
}

void SmoothFloor::SetEnabled(bool on)
{
    enabled_ = on;
    if (!page_)
        return;
    if (!on)
        Show(page_);
    else if (resting_)
        Rest();
}

void SmoothFloor::RowsChanged(int top, int bottom)
{
    top = std::max(top, 0);
    bottom = std::min(bottom, kSheetSize);
    if (top < bottom)
        stale_ = stale_.top < stale_.bottom ? PictureRows{std::min(stale_.top, top), std::max(stale_.bottom, bottom)}
                                            : PictureRows{top, bottom};
    resting_ = false;
    if (page_)
        Show(page_);
}

void SmoothFloor::Rest()
{
    resting_ = true;
    if (!page_ || !enabled_)
        return;
    if (stale_.top < stale_.bottom) {
        const PictureRows made = smoother_.Make(static_cast<const std::uint8_t*>(page_->GetImage()->buffer1),
                                                static_cast<std::uint8_t*>(smooth_->GetImage()->buffer1),
                                                stale_.top, stale_.bottom);
        const rm::Rect rows{0, made.top, SmoothPage::kSize, made.bottom};
        smooth_->Changed(rm::D3DRMTEXTURE_CHANGEDPIXELS, 1, &rows);
        // Seen from afar its lines thin out as the page's do.
        smooth_->GenerateMIPMap(0);
        stale_ = {};
    }
    Show(smooth_);
}

void SmoothFloor::Show(const rm::Ptr<rm::Texture3>& texture)
{
    if (shown_ == texture.get())
        return;
    for (const rm::Ptr<rm::MeshBuilder3>& mesh : meshes_)
        for (rm::MeshMaterial& material : mesh->Materials())
            if (material.texture == page_ || material.texture == smooth_)
                material.texture = texture;
    shown_ = texture.get();
}
