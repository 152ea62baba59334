// The names of the values under the settings key. Every reader and writer uses these constants,
// so that no name is spelled twice. The identifiers say what a value is; the strings are the
// stored names and never change.
#pragma once

namespace ruvo::setting {

inline constexpr const char* OnlineMinutesMonth = "AktuellerMonat";
inline constexpr const char* AskAutostartQuestion = "AskAutostartQuestion";
inline constexpr const char* UnitWarningBeep = "EinheitenWarnton";
inline constexpr const char* UnitWarningLead = "EinheitenWarnung";
inline constexpr const char* UnitWarningInTray = "EinheitenWarnungFrage";
inline constexpr const char* EMailQuestion = "EMailQuestion";
inline constexpr const char* ChargesInTitle = "GebInWindows";
inline constexpr const char* MonthClosureDate = "MBFin";
inline constexpr const char* MonthlyBudget = "MonatsBudget";
inline constexpr const char* MonthlyBudgetInUse = "MonatsBudgetAN";
inline constexpr const char* MonthlyBudgetSpent = "MonatsBudgetVerbraucht";
inline constexpr const char* MonthOnlineMinutes = "MonatsOnlineMinuten";
inline constexpr const char* OfflineAddressCount = "Offline IPs";
inline constexpr const char* SecondsLeftInTitle = "SekInWindows";
inline constexpr const char* WeekClosureDate = "WBFin";
inline constexpr const char* WeeklyBudget = "WochenBudget";
inline constexpr const char* WeeklyBudgetInUse = "WochenBudgetAN";
inline constexpr const char* WeeklyBudgetSpent = "WochenBudgetVerbraucht";
inline constexpr const char* OnlineTimeInTitle = "ZeitInWindows";
inline constexpr const char* AlwaysSaveConnections = "AlwaysSaveConnections";
inline constexpr const char* HideCounterWindow = "HideCounterWindow";
inline constexpr const char* ResetFlag = "RESETALLSETTINGS";
// The connection list's size "width,height" and its column widths "80,45,...", as the user left
// them.
inline constexpr const char* ConnectionListSize = "VerbindungenFenster";
inline constexpr const char* ConnectionListColumns = "VerbindungenSpalten";
// Desktop notifications, "1" or "0"; absent means on.
inline constexpr const char* NotifyBudgetUsedUp = "MeldungBudgetAufgebraucht";
inline constexpr const char* NotifyClosureDue = "MeldungBudgetabschluss";
inline constexpr const char* NotifyNotSaved = "MeldungNichtGespeichert";
// The Land whose own holidays are computed with the nationwide ones: its two-letter
// abbreviation ("BY"); absent or empty for the nationwide ones only.
inline constexpr const char* HolidayLand = "FeiertageLand";

// Subkeys of the settings key.
inline constexpr const char* AutosaveSubkey = "Temp";
inline constexpr const char* HolidaySubkey = "Feiertage";
// Records that could not be written to the database yet.
inline constexpr const char* UnsavedSubkey = "Ungespeichert";

}  // namespace ruvo::setting
