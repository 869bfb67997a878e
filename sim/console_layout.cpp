#include "console_layout.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace zun::console {

namespace {

using K = ControlKind;
using H = LabelHandler;
using L = ControlLook;

constexpr PageControl page_control_table[] = {
    {"PageControl_Posts", posts_panel, "TabSheet_Post_2"},
    {"PageControl_Pults_Of_Post_2", "TabSheet_Post_2", "TabSheet_Post2_Pult_2"},
    {"PageControl_Pults_Of_Post_1", "TabSheet_Post_1", "TabSheet_Post1_Pult_4"},
};

constexpr Page page_table[] = {
    // page                          tab caption                    tag  page control
    {"TabSheet_Roga", "ПОВОРОТНЫЙ СТОЛ", 41, "PageControl_Posts"},
    {"TabSheet_RM_Kromkomotalka", "РАБОЧЕЕ МЕСТО КРОМКОМОТАЛКИ", 31, "PageControl_Posts"},
    {"TabSheet_Post_2", "ПОСТ 2", 20, "PageControl_Posts"},
    {"TabSheet_Post_1", "ПОСТ 1", 10, "PageControl_Posts"},
    {"TabSheet_Post2_Pult_3", "Post2_Pult_3", 23, "PageControl_Pults_Of_Post_2"},
    {"TabSheet_Post2_Pult_2", "Post2_Pult_2", 22, "PageControl_Pults_Of_Post_2"},
    {"TabSheet_Post2_Pult_1", "Post2_Pult_1", 21, "PageControl_Pults_Of_Post_2"},
    {"TabSheet_Post1_Pult_4", "Post1_Pult_4", 14, "PageControl_Pults_Of_Post_1"},
    {"TabSheet_Post1_Pult_3", "Post1_Pult_3", 13, "PageControl_Pults_Of_Post_1"},
    {"TabSheet_Post1_Pult_2", "Post1_Pult_2", 12, "PageControl_Pults_Of_Post_1"},
    {"TabSheet_Post1_Pult_1", "Post1_Pult_1", 11, "PageControl_Pults_Of_Post_1"},
};

// The sizes of the texts and of the terminal's rectangle are this program's choice.
constexpr PageDecoration decoration_table[] = {
    {PageDecoration::Kind::Text,
     "TabSheet_Roga",
     "Label_Roga",
     {48, 216, 120, 16},
     "пульт упрощён"},
    {PageDecoration::Kind::Text,
     "TabSheet_RM_Kromkomotalka",
     "Label_Kromko",
     {289, 360, 120, 16},
     "пульт упрощён"},
    {PageDecoration::Kind::Text,
     "TabSheet_Post2_Pult_1",
     "Label_Disk_Nojn",
     {235, 5, 110, 16},
     "ДИСКОВЫ НОЖНИЦЫ"},
    {PageDecoration::Kind::Text,
     "TabSheet_Post2_Pult_1",
     "Label_Napr_Stol",
     {345, 5, 130, 16},
     "НАПРАВЛЯЮЩИЙ СТОЛ"},
    {PageDecoration::Kind::YellowRectangle,
     "TabSheet_Post2_Pult_1",
     "Shape_Pult_Prom_Mash",
     {624, 24, 130, 70},
     ""},
    {PageDecoration::Kind::WrappedText,
     "TabSheet_Post2_Pult_1",
     "Label_Pult_Prom_Mash",
     {630, 48, 118, 32},
     "терминал промасливающей машины"},
};

// Every control of every console, in creation order (which decides ties between keys of one
// mechanism). Null inscriptions and hints keep the frame's own.
constexpr Control control_table[] = {
    // frame, kind, page, left, top, tag, caption[, left and right inscription, hint, label
    // handler, look, bell]
    {"Frame_45_Key_Back_15", K::BackKey, "TabSheet_Roga", 48, 48, 76, "76 Поворотный стол"},
    {"Frame_45_Key_Fix_33", K::FixedKey, "TabSheet_RM_Kromkomotalka", 16, 16, 51,
     "51 вращение шпинделя кромкомоталки"},
    {"Frame_45_Key_Fix_57", K::FixedKey, "TabSheet_RM_Kromkomotalka", 16, 120, 52,
     "52 перемещение рдуктора "},
    {"Frame_90_Key_2", K::Key90, "TabSheet_RM_Kromkomotalka", 20, 301, 53, "53 прессующий ролик"},
    {"Frame_45_Key_Fix_58", K::FixedKey, "TabSheet_RM_Kromkomotalka", 176, 16, 54,
     "54 перемещение сталкивателя"},
    {"Frame_45_Key_Fix_59", K::FixedKey, "TabSheet_RM_Kromkomotalka", 168, 120, 55,
     "55 качание щитка"},
    {"Frame_45_Key_Fix_60", K::FixedKey, "TabSheet_RM_Kromkomotalka", 168, 224, 57,
     "57 качание рамы лотка"},
    {"Frame_45_Key_Fix_61", K::FixedKey, "TabSheet_RM_Kromkomotalka", 320, 16, 59,
     "59 насос кромкомоталки"},
    {"Frame_45_Key_Back_7", K::BackKey, "TabSheet_Post2_Pult_3", 16, 280, 71, "71 сталкиватель"},
    {"Frame_45_Key_Fix_51", K::FixedKey, "TabSheet_Post2_Pult_3", 16, 180, 72,
     "72 телега съёмного стола"},
    {"Frame_45_Key_Fix_52", K::FixedKey, "TabSheet_Post2_Pult_3", 16, 80, 75, "75 настил 2"},
    {"Frame_45_Key_Fix_53", K::FixedKey, "TabSheet_Post2_Pult_3", 152, 80, 74, "74 настил 1"},
    {"Frame_45_Key_Fix_54", K::FixedKey, "TabSheet_Post2_Pult_3", 152, 180, 73, "73 съёмный стол"},
    {"Frame_45_Key_Fix_55", K::FixedKey, "TabSheet_Post2_Pult_3", 152, 280, 70,
     "70 сжимание барабана моталки", nullptr, nullptr, nullptr, H::ShowPanel70Mech},
    {"Frame_45_Key_Back_8", K::BackKey, "TabSheet_Post2_Pult_3", 280, 180, 0,
     "сборка линейника моталки"},
    {"Frame_45_Key_Back_9", K::BackKey, "TabSheet_Post2_Pult_3", 280, 280, 69, "69 моталка толчёк"},
    {"Frame_45_Key_Back_10", K::BackKey, "TabSheet_Post2_Pult_3", 413, 180, 66,
     "66 раскатный ролик моталки прижим"},
    {"Frame_45_Key_Back_11", K::BackKey, "TabSheet_Post2_Pult_3", 413, 280, 64,
     "64 гильотинные ножницы на РЗУ"},
    {"Frame_45_Key_Fix_56", K::FixedKey, "TabSheet_Post2_Pult_3", 540, 180, 65,
     "65 гибочный ролик РЗУ"},
    {"Frame_45_Key_Back_12", K::BackKey, "TabSheet_Post2_Pult_3", 540, 280, 61,
     "61 прижим полосы шапкой РЗУ"},
    {"Frame_45_Key_Back_13", K::BackKey, "TabSheet_Post2_Pult_3", 660, 88, 60,
     "60  перемещение РЗУ"},
    {"Frame_45_Key_Back_14", K::BackKey, "TabSheet_Post2_Pult_3", 660, 180, 67,
     "67 делительный ролик моталки"},
    {"Frame_Lamp13", K::Lamp, "TabSheet_Post2_Pult_3", 40, 8, 0, "калитка под моталкой"},
    {"Frame_Button8", K::Button, "TabSheet_Post2_Pult_3", 672, 288, 0, ""},
    {"Frame_Ampermeter3", K::Ammeter, "TabSheet_Post2_Pult_3", 150, 0, 0, "ток моталки"},
    {"Frame_45_Key_Fix_Tolchok", K::FixedKey, "TabSheet_Post2_Pult_2", 16, 289, 0, "толчёк"},
    {"Frame_45_Key_Back_5", K::BackKey, "TabSheet_Post2_Pult_2", 148, 199, 0,
     "? подъём задающего ролика ( ? 61 перемещение                 делительного          ролика "
     "РЗУ)",
     "", ""},
    {"Frame_45_Key_Fix_NormStop", K::FixedKey, "TabSheet_Post2_Pult_2", 278, 289, 0,
     "нормальный останов агрегата", nullptr, nullptr, nullptr, H::NormalStop},
    {"Frame_45_Key_Fix_43", K::FixedKey, "TabSheet_Post2_Pult_2", 402, 289, 38,
     "38? промасливающая машина", "авт", "руч",
     "это ключ управления старой демонтированной промасливающей машины"},
    {"Frame_45_Key_Fix_44", K::FixedKey, "TabSheet_Post2_Pult_2", 524, 289, 0,
     "муфта дисковых ножниц"},
    {"Frame_45_Key_Fix_45", K::FixedKey, "TabSheet_Post2_Pult_2", 646, 289, 0, "натяжение"},
    {"Frame_45_Key_Fix_46", K::FixedKey, "TabSheet_Post2_Pult_2", 15, 198, 0, "совместная работа"},
    {"Frame_45_Key_Fix_47", K::FixedKey, "TabSheet_Post2_Pult_2", 152, 290, 0,
     "? подъём тянущего ролика"},
    {"Frame_45_Key_Fix_48", K::FixedKey, "TabSheet_Post2_Pult_2", 274, 198, 0,
     "готовность вспомогательных мех к порезке"},
    {"Frame_45_Key_Back_RS", K::BackKey, "TabSheet_Post2_Pult_2", 398, 198, 79, "рабочая скорость",
     nullptr, nullptr, nullptr, H::WorkingSpeed},
    {"Frame_45_Key_Fix_50", K::FixedKey, "TabSheet_Post2_Pult_2", 398, 107, 0,
     "сбор схемы дисковых ножниц"},
    {"Frame_Button_Beep", K::Button, "TabSheet_Post2_Pult_2", 8, 8, 0, "звонок", nullptr, nullptr,
     nullptr, H::Own, L::Standard, true},
    {"Frame_Lamp8", K::Lamp, "TabSheet_Post2_Pult_2", 146, 18, 0, "раб скорост"},
    {"Frame_Button6", K::Button, "TabSheet_Post2_Pult_2", 0, 64, 0, "изм нач уст-к", nullptr,
     nullptr, nullptr, H::Own, L::RedFace},
    {"Frame_Lamp9", K::Lamp, "TabSheet_Post2_Pult_2", 80, 72, 0, "жидкая смаз"},
    {"Frame_Lamp10", K::Lamp, "TabSheet_Post2_Pult_2", 146, 72, 0, "гидросистема"},
    {"Frame_Button7", K::Button, "TabSheet_Post2_Pult_2", 0, 120, 0, "авар останов"},
    {"Frame_Lamp12", K::Lamp, "TabSheet_Post2_Pult_2", 212, 72, 0, "выбор реж"},
    {"Frame_Lamp11", K::Lamp, "TabSheet_Post2_Pult_2", 146, 120, 0, "авар остан пром машины"},
    {"Frame_45_Key_Fix_49", K::FixedKey, "TabSheet_Post2_Pult_2", 275, 107, 0, "выбор режима"},
    {"Frame_Krutilka2", K::Knob, "TabSheet_Post2_Pult_2", 550, 100, 0, "рег-р р/с"},
    {"Frame_Ampermeter2", K::Ammeter, "TabSheet_Post2_Pult_2", 700, 0, 0, "натяжение"},
    {"Frame_Krutilka3", K::Knob, "TabSheet_Post2_Pult_2", 550, 200, 0, "скорость д/н"},
    {"Frame_Krutilka4", K::Knob, "TabSheet_Post2_Pult_2", 700, 100, 0, "натяжение"},
    {"Frame_45_Key_Fix_31", K::FixedKey, "TabSheet_Post2_Pult_1", 0, 301, 56, "56 подъём лифта"},
    {"Frame_45_Key_Fix_32", K::FixedKey, "TabSheet_Post2_Pult_1", 0, 114, 0, "режим кромкомоталки",
     "авто", "ручн"},
    {"Frame_45_Key_Fix_35", K::FixedKey, "TabSheet_Post2_Pult_1", 348, 301, 46,
     "46 толчёк нижнего  горизонтального ролика"},
    {"Frame_45_Key_Fix_36", K::FixedKey, "TabSheet_Post2_Pult_1", 348, 200, 47, "47 муфта ролика"},
    {"Frame_45_Key_Fix_37", K::FixedKey, "TabSheet_Post2_Pult_1", 230, 113, 0,
     "разрешение вкл дисковых ножниц"},
    {"Frame_45_Key_Fix_38", K::FixedKey, "TabSheet_Post2_Pult_1", 348, 113, 48,
     "48 подъём верхнего  горизонтальные ролики"},
    {"Frame_45_Key_Fix_39", K::FixedKey, "TabSheet_Post2_Pult_1", 348, 25, 49,
     "49 вертикальные ролики сведение"},
    {"Frame_45_Key_Fix_40", K::FixedKey, "TabSheet_Post2_Pult_1", 472, 25, 0,
     "вентилятор охлаждения моталки"},
    {"Frame_45_Key_Fix_41", K::FixedKey, "TabSheet_Post2_Pult_1", 230, 25, 0, "тяговый рез"},
    {"Frame_45_Key_Back_4", K::BackKey, "TabSheet_Post2_Pult_1", 230, 301, 31,
     "31 толчёк дисковых ножниц"},
    {"Frame_90_Key_1", K::Key90, "TabSheet_Post2_Pult_1", 112, 301, 53, "53 прессующий ролик"},
    {"Frame_Button4", K::Button, "TabSheet_Post2_Pult_1", 0, 0, 0, "вращение кромкомоталки"},
    {"Frame_Lamp2", K::Lamp, "TabSheet_Post2_Pult_1", 120, 0, 0, "", nullptr, nullptr,
     "неизвестно"},
    {"Frame_Lamp3", K::Lamp, "TabSheet_Post2_Pult_1", 120, 80, 0, "", nullptr, nullptr,
     "неизвестно"},
    {"Frame_Lamp5", K::Lamp, "TabSheet_Post2_Pult_1", 257, 255, 0, "схема ДН готова"},
    {"Frame_Lamp6", K::Lamp, "TabSheet_Post2_Pult_1", 256, 206, 0, "разр вкл диск нож"},
    {"Frame_Lamp4", K::Lamp, "TabSheet_Post2_Pult_1", 106, 175, 0, "", nullptr, nullptr,
     "неизвестно"},
    {"Frame_Lamp7", K::Lamp, "TabSheet_Post2_Pult_1", 176, 175, 0, "", nullptr, nullptr,
     "неизвестно"},
    {"Frame_45_Key_Fix_22", K::FixedKey, "TabSheet_Post1_Pult_4", 0, 170, 0, "сбор схемы"},
    {"Frame_45_Key_Fix_23", K::FixedKey, "TabSheet_Post1_Pult_4", 96, 80, 28,
     "28 качение проводки инспекторского стола", "вверх", "вниз"},
    {"Frame_45_Key_Fix_24", K::FixedKey, "TabSheet_Post1_Pult_4", 90, 278, 27,
     "27 качание верхний подающий ролик"},
    {"Frame_45_Key_Fix_25", K::FixedKey, "TabSheet_Post1_Pult_4", 213, 278, 25,
     "25 вращение нижнего подающего ролика"},
    {"Frame_45_Key_Fix_26", K::FixedKey, "TabSheet_Post1_Pult_4", 304, 170, 20,
     "20 качание выдающего ролика"},
    {"Frame_45_Key_Fix_27", K::FixedKey, "TabSheet_Post1_Pult_4", 304, 80, 24, "24 тележка УУО"},
    {"Frame_45_Key_Fix_28", K::FixedKey, "TabSheet_Post1_Pult_4", 422, 0, 0,
     "15-16 уборка обрезков"},
    {"Frame_45_Key_Back_3", K::BackKey, "TabSheet_Post1_Pult_4", 422, 170, 18,
     "18 гильотинные ножницы", "", "рез"},
    {"Frame_45_Key_Fix_29", K::FixedKey, "TabSheet_Post1_Pult_4", 422, 278, 19,
     "19 вращение выдающего ролика"},
    {"Frame_45_Key_Fix_30", K::FixedKey, "TabSheet_Post1_Pult_4", 546, 278, 22, "22 качание стола"},
    {"Frame_Lamp15", K::Lamp, "TabSheet_Post1_Pult_4", 0, 0, 0, "схема подготовлена"},
    {"Frame_45_Key_Fix_19", K::FixedKey, "TabSheet_Post1_Pult_3", 3, 174, 0, "совместная работа"},
    {"Frame_45_Key_Back_2", K::BackKey, "TabSheet_Post1_Pult_3", 3, 274, 0, "толчёк"},
    {"Frame_45_Key_Fix_20", K::FixedKey, "TabSheet_Post1_Pult_3", 250, 58, 0,
     "компенсация изгиба по толщине"},
    {"Frame_45_Key_Fix_21", K::FixedKey, "TabSheet_Post1_Pult_3", 250, 274, 0,
     "нормальный останов агрегата"},
    {"Frame_Button2", K::Button, "TabSheet_Post1_Pult_3", 127, 174, 0, "аварийный останов", nullptr,
     nullptr, nullptr, H::Own, L::Large},
    {"Frame_Button3", K::Button, "TabSheet_Post1_Pult_3", 528, 176, 0,
     "начальные установки                                                                          "
     "         (возбуждения разматывателя)",
     nullptr, nullptr, nullptr, H::Own, L::Large},
    {"Frame_Krutilka1", K::Knob, "TabSheet_Post1_Pult_3", 276, 168, 0, "зад-е диам-ра рулона"},
    {"Frame_Button1", K::Button, "TabSheet_Post1_Pult_3", 0, 0, 0, "передача управления на ПУ2",
     nullptr, nullptr, nullptr, H::Own, L::WideHeader},
    {"Frame_Lamp14", K::Lamp, "TabSheet_Post1_Pult_3", 270, 8, 0, "порезка на полосы"},
    {"Frame_Ampermeter1", K::Ammeter, "TabSheet_Post1_Pult_3", 400, 80, 0, "ток разматывателя"},
    {"Frame_45_Key_Fix_12", K::FixedKey, "TabSheet_Post1_Pult_2", 3, 3, 0,
     "выбор места управления или контрольный стол"},
    {"Frame_45_Key_Fix_13", K::FixedKey, "TabSheet_Post1_Pult_2", 3, 284, 15,
     "? 15  подающий(тянущий) ролик после стола вращение", "вниз", "вверх"},
    {"Frame_45_Key_Fix_14", K::FixedKey, "TabSheet_Post1_Pult_2", 121, 284, 11,
     "11 прижимной ролик №2"},
    {"Frame_45_Key_Fix_15", K::FixedKey, "TabSheet_Post1_Pult_2", 247, 284, 8, "? 8 ролик стола"},
    {"Frame_45_Key_Fix_16", K::FixedKey, "TabSheet_Post1_Pult_2", 483, 284, 10, "10 отгибатель"},
    {"Frame_45_Key_Fix_17", K::FixedKey, "TabSheet_Post1_Pult_2", 247, 184, 9, "9 качающийся стол"},
    {"Frame_45_Key_Fix_18", K::FixedKey, "TabSheet_Post1_Pult_2", 247, 87, 7,
     "7 прижимной ролик разматывателя"},
    {"Frame_45_Key_Fix_1", K::FixedKey, "TabSheet_Post1_Pult_1", 0, 58, 5, "5 зев разматывателя",
     nullptr, nullptr, nullptr, H::ShowPanel5Mech},
    {"Frame_45_Key_Fix_2", K::FixedKey, "TabSheet_Post1_Pult_1", 0, 158, 1, "1 телега", "влево",
     "вправо"},
    {"Frame_45_Key_Fix_3", K::FixedKey, "TabSheet_Post1_Pult_1", 0, 258, 2, "2 стол разматывателя",
     nullptr, "вниз"},
    {"Frame_45_Key_Fix_7", K::FixedKey, "TabSheet_Post1_Pult_1", 280, 58, 0, "сборка схемы"},
    {"Frame_45_Key_Fix_8", K::FixedKey, "TabSheet_Post1_Pult_1", 280, 158, 0, "\\\\\\\\\\\\\\\\\\"},
    {"Frame_45_Key_Back_1", K::BackKey, "TabSheet_Post1_Pult_1", 280, 258, 3,
     "3 толчёк разматывателя"},
    {"Frame_45_Key_Fix_9", K::FixedKey, "TabSheet_Post1_Pult_1", 436, 158, 0, "ЭГСС"},
    {"Frame_45_Key_Fix_10", K::FixedKey, "TabSheet_Post1_Pult_1", 436, 58, 0,
     "ЭГСС выбор рабочего режима"},
    {"Frame_45_Key_Fix_11", K::FixedKey, "TabSheet_Post1_Pult_1", 436, 258, 0,
     "\\\\\\\\\\\\\\\\\\\\\\"},
    {"Frame_45_Key_Fix_4", K::FixedKey, "TabSheet_Post1_Pult_1", 132, 58, 4,
     "4 перемещение разматывателя руч реж", "автом реж", "в центр"},
    {"Frame_45_Key_Fix_5", K::FixedKey, "TabSheet_Post1_Pult_1", 132, 158, 4,
     " 4 перемещение разматывателя ", "руч реж", "к приводу"},
    {"Frame_45_Key_Fix_6", K::FixedKey, "TabSheet_Post1_Pult_1", 132, 258, 6,
     "6 передвижение упора"},
    {"Frame_Lamp1", K::Lamp, "TabSheet_Post1_Pult_1", 300, 0, 0, "собраны схемы"},
};

constexpr PagePicture page_picture_table[] = {
    {10, "Image_Post_1"},      {11, "Image_Pult_1_1"},   {12, "Image_Pult_1_2"},
    {13, "Image_Pult_1_3"},    {14, "Image_Pult_1_4"},   {20, "Image_Post_2"},
    {21, "Image_Pult_2_1"},    {22, "Image_Pult_2_2"},   {23, "Image_Pult_2_3"},
    {31, "Image_Post_Kromko"}, {41, "Image_Post_Rogov"},
};

constexpr int key_width = 120;
constexpr int key_height = 85;

} // namespace

Rect Control::rect() const
{
    switch (kind) {
    case ControlKind::BackKey:
    case ControlKind::FixedKey:
    case ControlKind::Key90:
        return {left, top, key_width, key_height};
    case ControlKind::Button:
        if (look == ControlLook::Large)
            return {left, top, 120, 70};
        if (look == ControlLook::WideHeader)
            return {left, top, 120, 55};
        return {left, top, 70, 50};
    case ControlKind::Lamp:
        return {left, top, 65, 45};
    case ControlKind::Knob:
        return {left, top, 79, 71};
    case ControlKind::Ammeter:
        return {left, top, 84, 80};
    }
    return {left, top, 0, 0};
}

static_assert(std::size(page_control_table) == page_control_count);
static_assert(std::size(page_table) == page_count);
static_assert(std::size(control_table) == control_count);

std::span<const PageControl> page_controls()
{
    return page_control_table;
}

std::span<const Page> pages()
{
    return page_table;
}

std::span<const PageDecoration> page_decorations()
{
    return decoration_table;
}

std::span<const Control> controls()
{
    return control_table;
}

std::span<const PagePicture> page_pictures()
{
    return page_picture_table;
}

const PagePicture *find_page_picture(int tag)
{
    for (const PagePicture &picture : page_picture_table)
        if (picture.tag == tag)
            return &picture;
    return nullptr;
}

const Control *key_of(int mech)
{
    const Control *last = nullptr;
    for (const Control &control : control_table)
        if (control.is_key() && control.tag == mech)
            last = &control;
    return last;
}

bool is_keyed(int mech)
{
    return mech > 0 && key_of(mech) != nullptr;
}

std::vector<int> keyed_mechanisms()
{
    std::vector<int> keyed;
    for (const Control &control : control_table)
        if (control.is_key() && control.tag > 0)
            keyed.push_back(control.tag);
    std::sort(keyed.begin(), keyed.end());
    keyed.erase(std::unique(keyed.begin(), keyed.end()), keyed.end());
    return keyed;
}

const Page *page_named(std::string_view name)
{
    for (const Page &page : page_table)
        if (page.name == name)
            return &page;
    return nullptr;
}

const Control &bell_button()
{
    const auto bell = std::find_if(std::begin(control_table), std::end(control_table),
                                   [](const Control &control) { return control.bell; });
    return *bell;
}

namespace {

template <typename Row, typename Name>
int row_named(std::span<const Row> rows, std::string_view name, Name Row::*field)
{
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (rows[row].*field == name)
            return static_cast<int>(row);
    return -1;
}

} // namespace

int find_control(std::string_view frame)
{
    return row_named(controls(), frame, &Control::frame);
}

int find_page(std::string_view name)
{
    return row_named(pages(), name, &Page::name);
}

int find_page_control(std::string_view name)
{
    return row_named(page_controls(), name, &PageControl::name);
}

int page_control_of(int page)
{
    return find_page_control(page_table[page].page_control);
}

int page_holding(int page_control)
{
    return find_page(page_control_table[page_control].parent);
}

} // namespace zun::console
