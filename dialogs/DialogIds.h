#pragma once

// Control ids of the dialog templates (resources/xrc). OK and Cancel are the
// toolkit's wxID_OK and wxID_CANCEL.

// Settings dialog.
constexpr int kIdLongitudeDegrees = 1013;
constexpr int kIdLongitudeMinutes = 1014;
constexpr int kIdLatitudeDegrees = 1016;
constexpr int kIdLatitudeMinutes = 1015;
constexpr int kIdCity = 1017;
constexpr int kIdChooseCity = 1018;
constexpr int kIdChimeEveryToki = 1009;    // first of the interval group 1009-1012
constexpr int kIdChimeEveryHalfToki = 1010;
constexpr int kIdChimeEveryHour = 1011;
constexpr int kIdChimeEveryHalfHour = 1012;
constexpr int kIdCountSilent = 1021;       // first of the count group 1021-1023
constexpr int kIdCountOnce = 1022;
constexpr int kIdCountAsToki = 1023;
constexpr int kIdTemporalHours = 1005;     // first of the twelve-branch group 1005-1006
constexpr int kIdFixedHours = 1006;
constexpr int kIdAddText = 1024;

// Location picker.
constexpr int kIdCityList = 1038;

// Alarm dialog.
constexpr int kIdAlarmEnable = 1002;
constexpr int kIdAlarmHour = 1003;
constexpr int kIdAlarmMinutes = 1004;

// Names of the templates.
constexpr const char* kSettingsTemplate = "CSettingsDlg";
constexpr const char* kLocationTemplate = "CLocationDlg";
constexpr const char* kAlarmTemplate = "CAlarmDlg";
constexpr const char* kTokiInfoTemplate = "CTokiInfoDlg";
constexpr const char* kAboutTemplate = "CAboutDlg";
