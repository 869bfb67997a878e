// The strip's and coils' pictures: small pictures laid along the line, shown and hidden every
// tick so that together they draw the pieces, the head, the coils, the loops and the trimmings.
// Rules that read another picture's visibility see what the rule before them, or the previous
// tick, left.
#include "Unit_linemetal.h"

#include "sim/line_mechanisms.h"

#include <array>
#include <span>

namespace zun {

namespace {

using namespace line_mech;

// Slots of Line_Images.
enum Slot : int {
    Heads = 0,
    Tails = 5,
    Bodies = 10,
    UncoilerCoils = 55,
    RecoilerCoils = 59,
    RecoilerOverlays = 63,
    RightDiagonals = 67,
    LeftDiagonals = 71,
};

constexpr int coil_classes = 4;
constexpr int body_pictures = 45;
constexpr int zones = 5;
constexpr int zone_margin = 40;
constexpr int coil_reach = 50; // how far right of the uncoiler drive the coil takes the strip

void place(Picture &picture, int left, int top)
{
    picture.set_left(left);
    picture.set_top(top);
}

} // namespace

bool TFrame_LineMetal::any_visible(int first_slot, int count) const
{
    for (int slot = first_slot; slot < first_slot + count; ++slot)
        if (Line_Images[slot]->visible())
            return true;
    return false;
}

void TFrame_LineMetal::f_Place_Rulon_Razmativatela()
{
    int left = 0;
    int top = 0;
    if (Gde_Rulon_Razmativatela == UncoilerPlace::Uncoiler) { // on the uncoiler
        left = 1019;
        top = 44;
    } else if (Gde_Rulon_Razmativatela == UncoilerPlace::CarTable) { // on the car's table
        left = x_of(CarTable) + 8;
        top = Image_Of[CarTable]->top() - 32;
    } else {
        return;
    }
    for (int k = 0; k < coil_classes; ++k)
        place(*Line_Images[UncoilerCoils + k], left, top);
    place(*Image_Vnutrennosti_Rulona_Razmativatela, left, top);
}

void TFrame_LineMetal::f_Place_Rulon_Motalki()
{
    int left = 166; // on the recoiler, or none
    int top = 45;
    if (Gde_Rulon_Motalki == RecoilerPlace::RemovalTable) { // on the removal table
        left = x_of(RemovalTable) + 1;
        top = Image_Of[RemovalTable]->top() - 33;
    } else if (Gde_Rulon_Motalki == RecoilerPlace::RotatingTable) { // on the rotating table
        left = 85;
        top = 127;
    }
    for (int slot = RecoilerCoils; slot < RightDiagonals; ++slot)
        place(*Line_Images[slot], left, top);
    place(*Image_Vnutrennosti_Rulona_Motalki, left, top);
}

// A body picture shows where a piece covers it whole, unless a coil's diagonal or a loop draws
// the strip there.
void TFrame_LineMetal::f_Show_Body()
{
    const bool left_diagonal = any_visible(LeftDiagonals, coil_classes);
    const bool right_diagonal = any_visible(RightDiagonals, coil_classes);
    bool peeler_loop = false;
    for (const Picture *loop : Image_Petla_Otgibatela)
        peeler_loop = peeler_loop || loop->visible();
    const bool left_end_drawn_apart = left_diagonal || Image_Petla_Motalki->visible();
    // The pieces taken once, out of the loop: every tick, for every body.
    struct Piece {
        int head;
        int tail;
    };
    std::array<Piece, std::tuple_size_v<decltype(Seg_Start)>> pieces{};
    const int piece_count = Seg_Count;
    for (int k = 0; k < piece_count; ++k)
        pieces[static_cast<std::size_t>(k)] = {head_of(k), tail_of(k)};
    const std::span<const Piece> present(pieces.data(), static_cast<std::size_t>(piece_count));
    for (int n = 0; n < body_pictures; ++n) {
        Picture &body = *Line_Images[Bodies + n];
        const int left = body.left();
        const int right = left + body.width();
        bool covered = false;
        for (const Piece &piece : present)
            covered = covered || (piece.head <= left && piece.tail > right);
        if (n <= 4)
            covered = covered && !left_end_drawn_apart;
        else if (n >= 39)
            covered = covered && !right_diagonal && (n <= 40 || !peeler_loop);
        body.set_visible(covered);
    }
}

// The head of piece 0 shows in one of five zones between the recoiler and the uncoiler; the tail
// pictures follow its tail unseen.
void TFrame_LineMetal::f_Show_Ends()
{
    const int x0 = X_Motalki;
    const int w = Zone_Width;
    const int h = head_of(0);
    const int t = tail_of(0);
    Zone_Head[0] = h >= x0 + 4 * w - zone_margin;
    Zone_Head[1] = x0 + 3 * w - zone_margin <= h && h < x0 + 4 * w - zone_margin;
    Zone_Head[2] = x0 + 2 * w + zone_margin <= h && h < x0 + 3 * w - zone_margin;
    Zone_Head[3] = x0 + w + zone_margin <= h && h < x0 + 2 * w + zone_margin;
    Zone_Head[4] = x0 <= h && h < x0 + w + zone_margin;
    bool peeler_loop = false;
    for (const Picture *loop : Image_Petla_Otgibatela)
        peeler_loop = peeler_loop || loop->visible();
    for (int k = 0; k < zones; ++k) {
        Picture &head = *Line_Images[Heads + k];
        head.set_left(h);
        head.set_visible(Zone_Head[k] && !Image_Petla_Motalki->visible() &&
                         h + head.width() < x_of(Uncoiler) && !peeler_loop);
        Picture &tail = *Line_Images[Tails + k];
        tail.set_left(t - tail.width());
        tail.set_visible(false);
    }
}

void TFrame_LineMetal::f_Show_Rulons()
{
    const bool strip_at_uncoiler = is_covered(x_of(FeedRoll), x_of(Uncoiler) + coil_reach);
    const bool strip_at_recoiler = is_covered(x_of(Recoiler), x_of(Device));
    const bool recoiler_loop = Image_Petla_Motalki->visible();
    for (int k = 0; k < coil_classes; ++k) {
        Picture &uncoiler_coil = *Line_Images[UncoilerCoils + k];
        uncoiler_coil.set_visible(Gde_Rulon_Razmativatela != UncoilerPlace::None &&
                                  Razmer_Rulona_Razmativatela == k);
        Line_Images[RightDiagonals + k]->set_visible(strip_at_uncoiler && uncoiler_coil.visible() &&
                                                     Gde_Rulon_Razmativatela ==
                                                         UncoilerPlace::Uncoiler);
        Picture &recoiler_coil = *Line_Images[RecoilerCoils + k];
        recoiler_coil.set_visible(Gde_Rulon_Motalki != RecoilerPlace::None &&
                                  Razmer_Rulona_Motalki == k);
        Line_Images[RecoilerOverlays + k]->set_visible(recoiler_coil.visible());
        Line_Images[LeftDiagonals + k]->set_visible(strip_at_recoiler && recoiler_coil.visible() &&
                                                    !recoiler_loop);
    }
    Image_Vnutrennosti_Rulona_Razmativatela->set_visible(any_visible(UncoilerCoils, coil_classes));
    Image_Vnutrennosti_Rulona_Motalki->set_visible(any_visible(RecoilerCoils, coil_classes));
    // A loop forms while the disc shears push strip towards a recoiler that does not wind.
    Image_Petla_Motalki->set_visible(is_covered(x_of(Recoiler), x_of(DiscShears)) &&
                                     !*KM_FWD_Of[Recoiler] && *KM_FWD_Of[DiscShears]);
}

// The strip hangs in a loop from the full uncoiler coil to the peeler, shaped by where the
// peeler stands.
void TFrame_LineMetal::f_Show_Petla_Otgibatela()
{
    const auto &peeler = Mech_Of[Peeler]->Image_Pos;
    const bool hanging = is_covered(x_of(Peeler), x_of(Uncoiler) + coil_reach) &&
                         Line_Images[UncoilerCoils + 3]->visible() &&
                         Gde_Rulon_Razmativatela == UncoilerPlace::Uncoiler &&
                         !any_visible(RightDiagonals, coil_classes);
    Image_Petla_Otgibatela[0]->set_visible(hanging &&
                                           (peeler[3]->visible() || peeler[2]->visible()));
    Image_Petla_Otgibatela[1]->set_visible(hanging && peeler[1]->visible());
    Image_Petla_Otgibatela[2]->set_visible(hanging && peeler[0]->visible());
}

// The trimmings leave the disc shears while they cut piece k; the last piece of a tick decides.
void TFrame_LineMetal::show_kromka(int k)
{
    const bool cutting = f_Engaged(DiscShears, k);
    const std::int16_t phase = Mech_Of[DiscShears]->Phase;
    for (int i = 0; i < static_cast<int>(Image_Kromka.size()); ++i)
        Image_Kromka[i]->set_visible(cutting && phase == i + 1);
}

} // namespace zun
