#pragma once

#include <array>
#include <variant>

namespace vokg {

// One setting of section "Setting" of the program's per-user settings: its key and its default.
// Booleans are stored as the text True or False, numbers as decimal text.
struct BoolSetting {
    const char* key;
    bool byDefault;
};
struct NumberSetting {
    const char* key;
    int byDefault;
};
// The folder defaults are computed when they are asked for, not when the program was built.
enum class TextDefault { Empty, ProgramFolder, DefaultWorkbook };
struct TextSetting {
    const char* key;
    TextDefault byDefault;
};

// Every setting, each with its default: the one place they are written down.
namespace Setting {
inline constexpr BoolSetting DoesReadKishuWhenSelectTable{"DoesReadKishuWhenSelectTable", true};
inline constexpr BoolSetting DoesDispAllModeInOpening{"DoesDispAllModeInOpening", true};
inline constexpr BoolSetting DoesClearComparativeInOpenFile{"DoesClearComparativeInOpenFile", true};
inline constexpr BoolSetting DoesOpenSpecialModeWhelAll{"DoesOpenSpecialModeWhelAll", false};
inline constexpr TextSetting StdReadingPath{"StdReadingPath", TextDefault::ProgramFolder};
// 1 after a design file was opened, 2 after any other.
inline constexpr NumberSetting PrevFilterIndex{"PrevFilterIndex", 1};
inline constexpr NumberSetting wdt_Custom_StdKino{"wdt_Custom_StdKino", 2500};
inline constexpr NumberSetting wdt_Custom_UsrKino{"wdt_Custom_UsrKino", 3430};
inline constexpr BoolSetting DoesDeleteMeltedFiles{"DoesDeleteMeltedFiles", true};
inline constexpr NumberSetting fSelCus_Height{"fSelCus_Height", 6255};
inline constexpr NumberSetting fSelCus_Left{"fSelCus_Left", 7485};
inline constexpr NumberSetting fSelCus_Top{"fSelCus_Top", 1605};
inline constexpr NumberSetting fSelCus_Width{"fSelCus_Width", 4755};
inline constexpr TextSetting LatestExcelFile{"LatestExcelFile", TextDefault::DefaultWorkbook};
inline constexpr BoolSetting DoesOverWrite{"DoesOverWrite", false};
inline constexpr TextSetting WordToFind{"WordToFind", TextDefault::Empty};
inline constexpr TextSetting FileHinagata_zrdl_Modelc{"FileHinagata_zrdl_Modelc", TextDefault::Empty};
inline constexpr TextSetting FileNew_zrdl_Modelc{"FileNew_zrdl_Modelc", TextDefault::Empty};
inline constexpr TextSetting Kishu_zrdl_Modelc{"Kishu_zrdl_Modelc", TextDefault::Empty};
inline constexpr TextSetting SectionNo_zrdl_Modelc{"SectionNo_zrdl_Modelc", TextDefault::Empty};
// The Setting menu's review of every save before it writes. Off by default; not registered at
// start (a first start writes the twenty keys below only): written when the user switches it.
inline constexpr BoolSetting DoesReviewChangesBeforeSaving{"DoesReviewChangesBeforeSaving", false};
} // namespace Setting

using AnySetting = std::variant<const BoolSetting*, const NumberSetting*, const TextSetting*>;

// The order in which the defaults are registered at start-up.
inline constexpr std::array<AnySetting, 20> kSettingOrder{{
    &Setting::DoesReadKishuWhenSelectTable,
    &Setting::DoesDispAllModeInOpening,
    &Setting::DoesClearComparativeInOpenFile,
    &Setting::DoesOpenSpecialModeWhelAll,
    &Setting::StdReadingPath,
    &Setting::PrevFilterIndex,
    &Setting::wdt_Custom_StdKino,
    &Setting::wdt_Custom_UsrKino,
    &Setting::DoesDeleteMeltedFiles,
    &Setting::fSelCus_Height,
    &Setting::fSelCus_Left,
    &Setting::fSelCus_Top,
    &Setting::fSelCus_Width,
    &Setting::LatestExcelFile,
    &Setting::DoesOverWrite,
    &Setting::WordToFind,
    &Setting::FileHinagata_zrdl_Modelc,
    &Setting::FileNew_zrdl_Modelc,
    &Setting::Kishu_zrdl_Modelc,
    &Setting::SectionNo_zrdl_Modelc,
}};

// The files opened last, most recent first (RecentFile1 ... RecentFile8). They are written when a
// file was opened, never registered at start: a first start writes the twenty keys above only.
inline constexpr std::array<TextSetting, 8> kRecentFiles{{
    {"RecentFile1", TextDefault::Empty},
    {"RecentFile2", TextDefault::Empty},
    {"RecentFile3", TextDefault::Empty},
    {"RecentFile4", TextDefault::Empty},
    {"RecentFile5", TextDefault::Empty},
    {"RecentFile6", TextDefault::Empty},
    {"RecentFile7", TextDefault::Empty},
    {"RecentFile8", TextDefault::Empty},
}};

inline constexpr const char* kSettingSection = "Setting";

// The file name of the default workbook in the documents folder. The workbooks written here
// are Office Open XML, so the name carries that extension.
inline constexpr const char* kDefaultWorkbookName = "VOKG_SET.xlsx";

} // namespace vokg
