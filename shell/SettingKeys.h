#pragma once

#include <QString>

#include <array>

namespace vokg {

// What the default of a setting is made of; the folder defaults are computed when they are
// registered, not when the program was built.
enum class SettingDefault { True, False, Text, ProgramFolder, LatestWorkbook };

struct SettingKey {
    const char* key;
    SettingDefault kind;
    const char* text; // the default for SettingDefault::Text
};

// Every setting of section "Setting", in the order they are registered at start-up.
inline constexpr std::array<SettingKey, 20> kSettingKeys{{
    {"DoesReadKishuWhenSelectTable", SettingDefault::True, ""},
    {"DoesDispAllModeInOpening", SettingDefault::True, ""},
    {"DoesClearComparativeInOpenFile", SettingDefault::True, ""},
    {"DoesOpenSpecialModeWhelAll", SettingDefault::False, ""},
    {"StdReadingPath", SettingDefault::ProgramFolder, ""},
    {"PrevFilterIndex", SettingDefault::Text, "1"},
    {"wdt_Custom_StdKino", SettingDefault::Text, "2500"},
    {"wdt_Custom_UsrKino", SettingDefault::Text, "3430"},
    {"DoesDeleteMeltedFiles", SettingDefault::True, ""},
    {"fSelCus_Height", SettingDefault::Text, "6255"},
    {"fSelCus_Left", SettingDefault::Text, "7485"},
    {"fSelCus_Top", SettingDefault::Text, "1605"},
    {"fSelCus_Width", SettingDefault::Text, "4755"},
    {"LatestExcelFile", SettingDefault::LatestWorkbook, ""},
    {"DoesOverWrite", SettingDefault::False, ""},
    {"WordToFind", SettingDefault::Text, ""},
    {"FileHinagata_zrdl_Modelc", SettingDefault::Text, ""},
    {"FileNew_zrdl_Modelc", SettingDefault::Text, ""},
    {"Kishu_zrdl_Modelc", SettingDefault::Text, ""},
    {"SectionNo_zrdl_Modelc", SettingDefault::Text, ""},
}};

inline constexpr const char* kSettingSection = "Setting";

// The file name of the default workbook in the documents folder. The workbooks written here
// are Office Open XML, so the name carries that extension.
inline constexpr const char* kDefaultWorkbookName = "VOKG_SET.xlsx";

// A boolean setting is stored as the text "True" or "False".
inline QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
inline bool TextToBool(const QString& text) {
    return text.trimmed().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

} // namespace vokg
