// The resource ids of the settings dialogs' templates in the configuration
// library's own resource script; the dialog classes find their controls by
// these ids (the templates are plain Windows dialogs, not skinned ones).
#pragma once

// Templates and the about box's icon.
#define IDD_CONFIG_ABOUT 26000
#define IDI_CONFIG_ABOUT 26005
#define IDD_CONFIG_OUTPUT_SETTING 26006
#define IDD_CONFIG_MP3_SETTING 26007
#define IDD_CONFIG_OPTIONS 26009

// About box.
#define IDC_ABOUT_VERSION 27007
#define IDC_ABOUT_NOTICE 27008
#define IDC_ABOUT_WEBSITE 27009
#define IDC_ABOUT_EMAIL 27010

// Output settings.
#define IDC_OUTPUT_FORMAT 27012
#define IDC_VIDEO_COMPRESSOR 27013
#define IDC_VIDEO_COMPRESSOR_SETTING 27014
#define IDC_AUDIO_COMPRESSOR 27015
#define IDC_AUDIO_FORMAT 27016
#define IDC_OUTPUT_DEFAULT 27017
#define IDC_APPLY_ALL 27018
#define IDC_VIDEO_SIZE 27019
#define IDC_VIDEO_FPS 27020
#define IDC_VIDEO_KEYFRAME 27021
#define IDC_VIDEO_QUALITY 27022
#define IDC_VIDEO_BITRATE 27023
#define IDC_VCD_LEFT 27024
#define IDC_VCD_RIGHT 27025
#define IDC_VCD_BOTH 27026
#define IDC_SPLITTER 27038
#define IDC_TWO_PASS 27039

// MP3 settings.
#define IDC_MP3_MODE 27029
#define IDC_MP3_SAMPLING_RATE 27030
#define IDC_MP3_CHANNEL 27031
#define IDC_MP3_QUALITY 27032
#define IDC_MP3_BITRATE 27033

// Options.
#define IDC_OPTIONS_LANGUAGE 27034
#define IDC_OPTIONS_DEFAULT 27035
#define IDC_OPTIONS_POWER_OFF 27037
