// The names of the values under the settings key. Every reader and writer uses these constants,
// so that no name is spelled twice.
#pragma once

namespace ruvo::setting {

inline constexpr const char* AktuellerMonat = "AktuellerMonat";
inline constexpr const char* AskAutostartQuestion = "AskAutostartQuestion";
inline constexpr const char* EinheitenWarnton = "EinheitenWarnton";
inline constexpr const char* EinheitenWarnung = "EinheitenWarnung";
inline constexpr const char* EinheitenWarnungFrage = "EinheitenWarnungFrage";
inline constexpr const char* EMailQuestion = "EMailQuestion";
inline constexpr const char* GebInWindows = "GebInWindows";
inline constexpr const char* MBFin = "MBFin";
inline constexpr const char* MonatsBudget = "MonatsBudget";
inline constexpr const char* MonatsBudgetAN = "MonatsBudgetAN";
inline constexpr const char* MonatsBudgetVerbraucht = "MonatsBudgetVerbraucht";
inline constexpr const char* MonatsOnlineMinuten = "MonatsOnlineMinuten";
inline constexpr const char* OfflineIPs = "Offline IPs";
inline constexpr const char* SekInWindows = "SekInWindows";
inline constexpr const char* WBFin = "WBFin";
inline constexpr const char* WochenBudget = "WochenBudget";
inline constexpr const char* WochenBudgetAN = "WochenBudgetAN";
inline constexpr const char* WochenBudgetVerbraucht = "WochenBudgetVerbraucht";
inline constexpr const char* ZeitInWindows = "ZeitInWindows";
inline constexpr const char* AlwaysSaveConnections = "AlwaysSaveConnections";
inline constexpr const char* HideCounterWindow = "HideCounterWindow";
inline constexpr const char* ResetFlag = "RESETALLSETTINGS";

// Subkeys of the settings key.
inline constexpr const char* AutosaveSubkey = "Temp";
inline constexpr const char* HolidaySubkey = "Feiertage";
// Records that could not be written to the database yet.
inline constexpr const char* UnsavedSubkey = "Ungespeichert";

}  // namespace ruvo::setting
