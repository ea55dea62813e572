#include "model/Catalogue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace model {
namespace {

struct CatalogueRow {
    std::string_view caption;
    double price;
    std::string_view feeLine;
    std::string_view description;
};

constexpr auto Rows = std::to_array<CatalogueRow>({
    {.caption = "Tarvo Pairs  $19.95",
     .price = 19.95,
     .feeLine = "Tarvo Pairs Registration Fee: $19.95",
     .description = "Tarvo Pairs:  Turn over two cards at a time and find the matching pictures "
                    "in this gentle memory game of the Tarvo series. Bright animals, friendly "
                    "sounds and three board sizes keep children aged 5 to 9 entertained."},
    {.caption = "Tarvo Sums  $19.95",
     .price = 19.95,
     .feeLine = "Tarvo Sums Registration Fee: $19.95",
     .description = "Tarvo Sums:  Help Tarvo fill the river boats by solving addition, "
                    "subtraction and times-table puzzles in this arithmetic game of the Tarvo "
                    "series. Levels grow with the child from age 7 to age 12, at any pace."},
    {.caption = "Tarvo Letters  $19.95",
     .price = 19.95,
     .feeLine = "Tarvo Letters Registration Fee: $19.95",
     .description = "Tarvo Letters:  Spell the hidden word letter by letter before the lantern "
                    "goes out in this word game of the Tarvo series. Thousands of words in four "
                    "levels of difficulty for children aged 7 to 12. Great fun!"},
    {.caption = "Tarvo Trio (3 Games)  $29.95",
     .price = 29.95,
     .feeLine = "Tarvo Trio Registration Fee: $29.95",
     .description = "THREE GAMES IN ONE PACKAGE -- Tarvo Trio brings together Tarvo Pairs "
                    "(memory game, ages 5 to 9), Tarvo Sums (arithmetic game, ages 7 to 12) and "
                    "Tarvo Letters (word game, ages 7 to 12) at one special price. Save $29.90 "
                    "on the three!"},
    {.caption = "KUBLO$19.95",
     .price = 19.95,
     .feeLine = "KUBLO Registration Fee: $19.95",
     .description = "KUBLO:  Push the colored crates into rows of three before the falling "
                    "stones block your way. Easy to learn and hard to put down, this puzzle game "
                    "offers 100 levels, a practice mode and a high-score table for the whole "
                    "family!"},
    {.caption = "KUBLOII$19.95",
     .price = 19.95,
     .feeLine = "KUBLO II Registration Fee: $19.95",
     .description = "KUBLO II:  The sequel to KUBLO brings 150 brand-new levels, digital sound "
                    "effects and a full music track. New crates that explode, melt or slide make "
                    "every level a fresh puzzle. Runs on any PC that already runs KUBLO fine."},
    {.caption = "MORBIX: The Game  $9.95",
     .price = 9.95,
     .feeLine = "Morbix: The Game Registration Fee: $9.95",
     .description = "Morbix: The Game:  A fast puzzle-arcade game where you spin the board to "
                    "guide the glowing orbs into their matching holes before the timer runs out. "
                    "Quick reflexes and a cool head are needed as the levels keep on speeding up!"},
    {.caption = "GLYFFS Volume I  $19.95",
     .price = 19.95,
     .feeLine = "GLYFFS Vol. I Registration Fee: $19.95",
     .description = "GLYFFS Vol. I:  Catch the falling letters and drop them into place to build "
                    "words before the screen fills up. Six themes of ten levels each, from the "
                    "deep jungle to outer space. Requires Windows 95 or later and a good sound "
                    "card."},
    {.caption = "GLYFFS Volume II  $19.95",
     .price = 19.95,
     .feeLine = "GLYFFS Vol. II Registration Fee: $19.95",
     .description = "GLYFFS Vol. II:  Six more themes of ten levels each continue the "
                    "falling-letter fun of GLYFFS Volume I. New bonus tiles, harder word lists "
                    "and a two-player mode for the whole family make this volume the perfect "
                    "follow-up for every true GLYFFS fan."},
    {.caption = "GLYFFS Volumes I && II  $29.95",
     .price = 29.95,
     .feeLine = "GLYFFS Vol. I & II Registration Fee: $29.95",
     .description = "GLYFFS Vol. I && II:  Get both volumes of GLYFFS together at a special "
                    "price. Twelve themes and 120 levels of falling-letter word puzzles in one "
                    "single order. Save a full $9.95!"},
    {.caption = "Tarvo Deck  $9.95",
     .price = 9.95,
     .feeLine = "Tarvo Deck Registration Fee: $9.95",
     .description = "Tarvo Deck:  Five fun classic card games with Tarvo and his friends, made "
                    "easy and colorful for the youngest players aged 5 to 9."},
    {.caption = "Tarvo Mosaic  $9.95",
     .price = 9.95,
     .feeLine = "Tarvo Mosaic Registration Fee: $9.95",
     .description = "Tarvo Mosaic:  Match the colored tiles to finish the picture in this "
                    "tile-matching memory game of the Tarvo series. Twenty lovely pictures to "
                    "complete for children aged 5 to 9."},
    {.caption = "KUBLO III  $29.95",
     .price = 29.95,
     .feeLine = "KUBLO III Registration Fee: $29.95",
     .description = "KUBLO III:  The third game of the KUBLO series packs over 200 new levels "
                    "and a level designer, so you can build your own crate puzzles and share "
                    "them with your friends. The best KUBLO yet!"},
    {.caption = "Berry Towers $19.95",
     .price = 19.95,
     .feeLine = "Berry Towers Registration Fee: $19.95",
     .description = "Berry Towers:  Stack the falling fruit into towers of one color before the "
                    "basket overflows. Berries, plums and melons fall ever faster."},
    {.caption = "Mall Tumble $19.95",
     .price = 19.95,
     .feeLine = "Mall Tumble Registration Fee: $19.95",
     .description = "Mall Tumble:  Goods tumble from the shelves of a busy shopping mall and you "
                    "must sort them into the right carts. Catch the bargains, dodge the broken "
                    "eggs and clear each floor before closing time. Twelve floors of shopping "
                    "mayhem!"},
    {.caption = "KUBLO 1, 2, && 3 Combo  $49.95",
     .price = 49.95,
     .feeLine = "KUBLO 1-2-3 Combo Registration Fee: $49.95",
     .description = "KUBLO 1-2-3 Combo:  All three KUBLO games in one package: KUBLO, KUBLO II "
                    "and KUBLO III, 477 levels in all, for much less than the three games bought "
                    "alone."},
    {.caption = "TrinkBin  $19.95",
     .price = 19.95,
     .feeLine = "TRINKBIN Registration Fee: $19.95",
     .description = "TRINKBIN:  Sort the falling toys into the right bins before the playroom "
                    "fills up. Teddies, trains and tops need quick hands and sharp eyes."},
    {.caption = "Fizzlets $19.95",
     .price = 19.95,
     .feeLine = "FIZZLETS Registration Fee: $19.95",
     .description = "FIZZLETS:  Items rise from the bottom of the screen and you steer each one "
                    "into the pod of its own kind. Fill three pods in a row to pop them and "
                    "clear the way. Simple rules, clever puzzles and cheerful music all along."},
    {.caption = "Shareware Order Form $19.95",
     .price = 19.95,
     .feeLine = "Order Form Source Code Registration Fee: $19.95",
     .description = "ORDER FORM SOURCE CODE (Royalty Free): \rAdd this order form to your own "
                    "shareware programs and change it as you please. The complete source code of "
                    "the order window and its printing code is yours royalty free."},
    {.caption = "1&&2 $29.95",
     .price = 29.95,
     .feeLine = "FIZZLETS 1 & 2 Registration Fee: $29.95",
     .description = "FIZZLETS 1 && 2:  Get FIZZLETS and its sequel FIZZLETS 2 together at a "
                    "special price: 200 levels of rising-item puzzles, new pods, new items and "
                    "new music. Save $9.95!"},
    {.caption = "Orbids $19.95",
     .price = 19.95,
     .feeLine = "ORBIDS Registration Fee: $19.95",
     .description = "ORBIDS:  Stack the gadgets that drop from the conveyor belt so that nothing "
                    "falls off the tower. Springs, magnets and rockets make every stack behave "
                    "differently. Sixty levels and a relaxing endless mode."},
    {.caption = " II  $19.95",
     .price = 19.95,
     .feeLine = "ORBIDS II Registration Fee: $19.95",
     .description = "ORBIDS II:  The sequel to ORBIDS brings new gadgets, faster belts and a "
                    "challenge mode with its own high-score table. Build taller towers than ever "
                    "before, but watch out for the wind and the wobbly gears!"},
    {.caption = "Orbids && Orbids II  $29.95",
     .price = 29.95,
     .feeLine = "ORBIDS & ORBIDS II Registration Fee: $29.95",
     .description = "ORBIDS && ORBIDS II:  Get both ORBIDS games together at a special price. "
                    "Two complete stacking puzzles, over 120 levels and every gadget from both "
                    "games, from springs and magnets to rockets. Save!"},
    {.caption = "FlickVu  $9.95",
     .price = 9.95,
     .feeLine = "FLICKVU Registration Fee: $9.95",
     .description = "FLICKVU:  View pictures and play sound and video files with one small "
                    "program. FLICKVU opens files with the extensions .BMP, .GIF, .JPG, .PCX, "
                    ".TIF, .WAV, .MID, .AVI and .MOV, and prints and converts pictures, too. "
                    "Easy!"},
});
static_assert(Rows.size() == ProductCount, "the catalogue needs a row for every product");

bool isProductIndex(int index) {
    return index >= 0 && index < ProductCount;
}

const CatalogueRow& rowOf(int index) {
    if (!isProductIndex(index))
        throw std::out_of_range("no product has the number " + std::to_string(index));
    return Rows[static_cast<std::size_t>(index)];
}

} // namespace

std::string_view productCaption(int index) {
    return rowOf(index).caption;
}

double productPrice(int index) {
    return rowOf(index).price;
}

std::string_view feeLine(int index) {
    return rowOf(index).feeLine;
}

std::optional<std::string_view> productDescription(int index) {
    if (!isProductIndex(index))
        return std::nullopt;
    return Rows[static_cast<std::size_t>(index)].description;
}

} // namespace model
