#pragma once

#include "rm/Frame.h"
#include "rm/MeshBuilder.h"
#include "rm/Texture.h"
#include "storage/PagePicture.h"
#include "turtle/SmoothPage.h"

#include <vector>

// The floor as a big view shows it: at rest the page magnified four times with smooth edges,
// while rows come (the turtle walks) the page itself. The smooth picture is made when the turtle
// rests, of the rows changed since, and never while rows come.
class SmoothFloor {
public:
    // Shows itself on the meshes at and below `floor` that `page` (the floor's own texture, 256 ×
    // 256) textures; without a frame the pictures are made but shown nowhere.
    void Attach(rm::Ptr<rm::Texture3> page, rm::Frame3* floor);
    // Gives the meshes their page back.
    void Detach();

    // Off, the floor shows the page itself at rest too, as it always did.
    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    // How pictures of a page follow the choice.
    PageEdges Edges() const { return enabled_ ? PageEdges::Smooth : PageEdges::Sharp; }

    // Rows [top, bottom) of the page changed: the page itself is shown until the next rest.
    void RowsChanged(int top, int bottom);
    void Rest();

    // The texture the floor's meshes show now, and the smooth picture's.
    const rm::Texture3* Shown() const { return shown_; }
    rm::Texture3* Smooth() const { return smooth_.get(); }

private:
    void FindMeshes(rm::Frame3& frame);
    void Show(const rm::Ptr<rm::Texture3>& texture);

    rm::Ptr<rm::Texture3> page_;
    rm::Ptr<rm::Texture3> smooth_;
    std::vector<rm::Ptr<rm::MeshBuilder3>> meshes_;
    const rm::Texture3* shown_ = nullptr;
    SmoothPage smoother_;
    // The page rows the smooth picture does not show yet.
    PictureRows stale_;
    bool enabled_ = true;
    bool resting_ = true;
};
