#pragma once

#include "sim/picture_store.h"

#include <span>
#include <string_view>

// What the main window's picture panels hold: the scene of the line, the three close-ups and the
// hidden store, with every component in its layer order. The model builds its pictures from
// these rows; the windows paint them.
namespace zun::scene {

inline constexpr std::string_view Panel_Image_Scene = "Panel_Image_Scene";
inline constexpr std::string_view Panel_Image_Sours = "Panel_Image_Sours";
inline constexpr std::string_view Panel_5_mech = "Panel_5_mech";
inline constexpr std::string_view Panel_70_mech = "Panel_70_mech";
inline constexpr std::string_view Panel_Kromkomotalka = "Panel_Kromkomotalka";

struct PanelSpec {
    std::string_view name;
    Rect place; // in the main window's client area as it opens
    bool visible;
};

// The four position pictures "Image" + j + "_" + k of a mechanism: the first `own_pictures`
// positions have a picture of their own at the place of picture 0 on `panel`; the others are
// empty placeholders in the hidden store.
struct MechanismPictures {
    int number;
    std::string_view panel;
    Rect first;
    int own_pictures;
};

inline constexpr Rect placeholder_place{800, 200, 41, 33};

// The mechanisms' pictures, as the panels hold them; a mechanism without a row has only
// placeholders.
std::span<const MechanismPictures> mechanism_pictures();
const MechanismPictures *find_mechanism_pictures(int number);

std::span<const PanelSpec> panels();

// Builds every panel and component into `store`, in layer order.
void build(PictureStore &store);

} // namespace zun::scene
