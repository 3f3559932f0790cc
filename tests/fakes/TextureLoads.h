#pragma once

#include "rm/Texture.h"

#include <string>
#include <vector>

// A texture loader for model loads in tests: keeps the names asked for and answers with a small
// texture, or with the failure a test sets. Pass &Callback and the object as the argument.
struct TextureLoads {
    std::vector<std::string> names;
    rm::HRESULT answer = rm::D3DRM_OK;

    static rm::HRESULT Callback(const char* name, void* argument, rm::Ptr<rm::Texture3>& texture)
    {
        auto& loads = *static_cast<TextureLoads*>(argument);
        loads.names.emplace_back(name);
        if (loads.answer == rm::D3DRM_OK)
            texture = rm::MakePtr<rm::Texture3>(4, 4);
        return loads.answer;
    }
};
