#include "config/dialogs/OutputSettingsDialog.h"

#include <dshow.h>
#include <olectl.h>

#include "base/ComPtr.h"
#include "base/Strings.h"
#include "config/FormatProfile.h"
#include "config/dialogs/ComboFill.h"
#include "config/dialogs/CompressorCombos.h"
#include "config/dialogs/DialogIds.h"
#include "config/dialogs/OutputSettingsRules.h"

namespace {

struct ParameterList {
  int id;
  const char* name;  // the format profile list and its setting
};

const ParameterList kParameterLists[] = {
    {IDC_VIDEO_SIZE, "VideoSize"},       {IDC_VIDEO_QUALITY, "VideoQuality"},
    {IDC_VIDEO_KEYFRAME, "VideoKeyFrame"}, {IDC_VIDEO_FPS, "VideoFPS"},
    {IDC_VIDEO_BITRATE, "VideoBitrate"}, {IDC_SPLITTER, "Splitter"},
};

// The lists that only the encoded formats use.
const int kVideoParameterIds[] = {IDC_VIDEO_SIZE, IDC_VIDEO_BITRATE, IDC_VIDEO_QUALITY,
                                  IDC_VIDEO_FPS, IDC_VIDEO_KEYFRAME, IDC_AUDIO_FORMAT};

const int kVcdButtons[] = {IDC_VCD_LEFT, IDC_VCD_RIGHT, IDC_VCD_BOTH};

// The size at which the portable-player format has a bit rate of its own.
const INT_PTR kCoachSize = (640 << 16) | 480;
const int kCoachOutputType = 1;

}  // namespace

const char COutputSettingsDialog::kSection[] = "OutputSettingDlg";

COutputSettingsDialog::COutputSettingsDialog(IVarnoConfigEx* config,
                                             const OutputTypeEntry& outputType)
    : CConfigDialog(IDD_CONFIG_OUTPUT_SETTING, config),
      m_outputType(outputType.id),
      m_audioCodec(outputType.audioCodec),
      m_videoCodec(outputType.videoCodec) {}

BOOL COutputSettingsDialog::OnInit() {
  TranslateTexts(kSection);
  Populate();
  return TRUE;
}

void COutputSettingsDialog::Populate() {
  if (!m_config) return;
  TextList formats;
  ReadOutputFormats(&formats, ProfilePath().c_str());
  ComboRows rows;
  for (size_t i = 0; i < formats.size(); ++i)
    rows.push_back({Translated(m_translator, formats[i].c_str(), kSection), static_cast<INT_PTR>(i)});
  FillCombo(Combo(IDC_OUTPUT_FORMAT), rows);
  Combo(IDC_OUTPUT_FORMAT).SetCurSel(m_outputType);
  const int channel = Setting("VCDChannel");
  for (int i = 0; i < 3; ++i) Check(kVcdButtons[i], channel == i);
  FillCompressorLists(SelectedFormat());
  FillParameterLists();
  UpdateControls();
}

int COutputSettingsDialog::SelectedFormat() const { return Combo(IDC_OUTPUT_FORMAT).GetCurSel(); }

void COutputSettingsDialog::FillCompressorLists(int position) {
  if (!m_config) return;
  CComboBox video = Combo(IDC_VIDEO_COMPRESSOR);
  CComboBox audio = Combo(IDC_AUDIO_COMPRESSOR);
  video.ResetContent();
  audio.ResetContent();
  const std::string file = ProfilePath();
  ReadAudioParamLists(position, file.c_str());

  const OutputFormatKind kind = KindOfOutputFormat(position);
  const ComboRows noRecompression = {
      {Translated(m_translator, "No Recompression", kSection), kNoRecompression}};
  TextList audioNames, videoNames;
  if (const char* section = CompressorSection(kind))
    ReadCodecNames(file.c_str(), section, &audioNames, &videoNames);
  switch (kind) {
    case kAviCompressors:
    case kAsfCompressors:
      AppendRows(video, noRecompression);
      AppendRows(audio, noRecompression);
      FillCompressorCombo(video, videoNames, CLSID_VideoCompressorCategory);
      FillCompressorCombo(audio, audioNames, CLSID_AudioCompressorCategory);
      break;
    case kFixedMpeg4:
      AppendRows(video, FixedCodecRows(videoNames, false));
      AppendRows(audio, FixedCodecRows(audioNames, true));
      break;
    case kWindowsMediaCodecs:
      AppendRows(audio, noRecompression);
      FillWMCodecCombo(video, videoNames, MEDIATYPE_Video);
      FillWMCodecCombo(audio, audioNames, MEDIATYPE_Audio);
      break;
    default:
      break;
  }
  SelectCompressor(video, "VideoParamCodecIndex", m_videoCodec, position);
  SelectCompressor(audio, "AudioParamCodecIndex", m_audioCodec, position);
  FillAudioFormats(position, SelectedData(audio, kNoRecompression));
}

bool COutputSettingsDialog::OffersCompressors(int position) const {
  // Only the recompressing types convert with the compressor positions
  // that OK stores; the others take their type's own codecs.
  const OutputFormatKind kind = KindOfOutputFormat(position);
  return Setting("UseUserDefined") != 0 && (kind == kAviCompressors || kind == kAsfCompressors);
}

void COutputSettingsDialog::SelectCompressor(const CComboBox& list, const char* key,
                                             const std::string& typeCodec, int position) {
  const int stored = RowOfData(ReadRows(list), Setting(key));
  if (OffersCompressors(position) && stored >= 0)
    list.SetCurSel(stored);
  else
    SelectByPrefix(list, typeCodec.c_str());
}

void COutputSettingsDialog::FillAudioFormats(int position, INT_PTR codec) {
  CComboBox formats = Combo(IDC_AUDIO_FORMAT);
  formats.ResetContent();
  if (!m_config) return;
  const OutputFormatKind kind = KindOfOutputFormat(position);
  ComboRows rows;
  if (kind == kWindowsMediaCodecs && codec != kNoRecompression) {
    std::vector<std::string> constant, onePass, twoPasses;
    ListWmCodecFormats(static_cast<int>(codec), MEDIATYPE_Audio, FALSE, 1, &constant);
    ListWmCodecFormats(static_cast<int>(codec), MEDIATYPE_Audio, TRUE, 1, &onePass);
    ListWmCodecFormats(static_cast<int>(codec), MEDIATYPE_Audio, TRUE, 2, &twoPasses);
    rows = WmFormatRows(constant, onePass, twoPasses);
  } else {
    const std::string defaultText = Translated(m_translator, "Default Value", kSection);
    rows = AudioChoiceRows(kind, Setting("UseDefaultAudioFormat") ? defaultText.c_str() : NULL,
                           GetAudioParamList(AUDIO_PARAM_SAMPLES_PER_SECOND),
                           GetAudioParamList(AUDIO_PARAM_BITS_PER_SAMPLE),
                           GetAudioParamList(AUDIO_PARAM_NUM_CHANNELS));
  }
  FillCombo(formats, rows);
  // The rows carry the format's data (a Windows Media format number plus
  // 5000 per pass), so the stored value is found by data, not by position.
  if (!rows.empty()) SelectByData(formats, Setting("AudioFormatData"));
}

void COutputSettingsDialog::FillParameterLists() {
  if (!m_config) return;
  const std::string file = ProfilePath();
  for (const ParameterList& list : kParameterLists) {
    TextList texts;
    ValueList values;
    ReadProfileList(file.c_str(), list.name, &texts, &values, m_outputType);
    CComboBox combo = Combo(list.id);
    if (static_cast<int>(values.size()) != combo.GetCount())
      FillCombo(combo, ProfileListRows(texts, values, m_translator, kSection));
    int current = Setting(list.name);
    if (list.id == IDC_VIDEO_BITRATE && m_outputType == kCoachOutputType &&
        Setting("VideoSize") == kCoachSize && Setting("Coach7Bitrate"))
      current = Setting("Coach7Bitrate");
    SelectByData(combo, current);
  }
  Check(IDC_TWO_PASS, Setting("Used2Pass") != 0);
  m_bParametersLoaded = true;
}

void COutputSettingsDialog::UpdateControls() {
  const BOOL parameters = HasVideoParameters(SelectedFormat()) && m_bParametersLoaded;
  for (int id : kVideoParameterIds) EnableWindow(Item(id), parameters);
  ShowWindow(Item(IDC_APPLY_ALL), m_applyAll != -1 ? SW_SHOW : SW_HIDE);
  if (m_applyAll != -1) Check(IDC_APPLY_ALL, TRUE);
  ShowWindow(Item(IDC_OUTPUT_DEFAULT), SW_SHOW);
  // The output format list only shows the type the dialog edits: another
  // format chosen there would change no conversion.
  EnableWindow(Item(IDC_OUTPUT_FORMAT), FALSE);
  const BOOL compressors = OffersCompressors(SelectedFormat());
  for (int id : {IDC_VIDEO_COMPRESSOR, IDC_AUDIO_COMPRESSOR}) EnableWindow(Item(id), compressors);
}

void COutputSettingsDialog::ApplyCoachBitrate() {
  if (m_outputType != kCoachOutputType || !Setting("Coach7Bitrate")) return;
  if (SelectedData(Combo(IDC_VIDEO_SIZE), 0) != kCoachSize) return;
  SelectByData(Combo(IDC_VIDEO_BITRATE), Setting("Coach7Bitrate"));
}

void COutputSettingsDialog::ShowCompressorSettings() {
  CComPtr<IBaseFilter> filter;
  INT_PTR index = SelectedData(Combo(IDC_VIDEO_COMPRESSOR), kNoRecompression);
  if (index < 0 || !CreateFilterByIndex(CLSID_VideoCompressorCategory, static_cast<int>(index), &filter))
    return;
  CComPtr<IAMVfwCompressDialogs> vfw;
  CComPtr<ISpecifyPropertyPages> pages;
  if (SUCCEEDED(filter->QueryInterface(IID_IAMVfwCompressDialogs, vfw.Out())) && vfw) {
    vfw->ShowDialog(VfwCompressDialog_Config, NULL);
  } else if (SUCCEEDED(filter->QueryInterface(IID_ISpecifyPropertyPages, pages.Out())) && pages) {
    CAUUID uuids = {0, NULL};
    FILTER_INFO info = {};
    filter->QueryFilterInfo(&info);
    CComPtr<IFilterGraph> graph(info.pGraph);  // QueryFilterInfo's reference
    IUnknown* objects[] = {filter.Get()};
    if (SUCCEEDED(pages->GetPages(&uuids))) {
      OleCreatePropertyFrame(m_hWnd, 0, 0, info.achName, 1, objects, uuids.cElems, uuids.pElems,
                             0, 0, NULL);
      CoTaskMemFree(uuids.pElems);
    }
  }
  UpdateControls();
}

BOOL COutputSettingsDialog::OnCommand(int code, int itemId, LPARAM lParam) {
  switch (itemId) {
    case IDC_OUTPUT_FORMAT:
      if (code != CBN_SELCHANGE) break;
      FillCompressorLists(SelectedFormat());
      UpdateControls();
      return TRUE;
    case IDC_VIDEO_COMPRESSOR:
      if (code != CBN_SELCHANGE) break;
      UpdateControls();
      return TRUE;
    case IDC_AUDIO_COMPRESSOR:
      if (code != CBN_SELCHANGE) break;
      FillAudioFormats(SelectedFormat(), SelectedData(Combo(IDC_AUDIO_COMPRESSOR), kNoRecompression));
      UpdateControls();
      return TRUE;
    case IDC_VIDEO_SIZE:
      if (code != CBN_SELCHANGE) break;
      ApplyCoachBitrate();
      return TRUE;
    case IDC_VIDEO_COMPRESSOR_SETTING:
      ShowCompressorSettings();
      return TRUE;
    case IDC_OUTPUT_DEFAULT:
      if (m_config && HasVideoParameters(SelectedFormat())) {
        LoadProfileDefaults(m_config);
        Populate();
      }
      return TRUE;
    case IDC_VCD_LEFT:
    case IDC_VCD_RIGHT:
    case IDC_VCD_BOTH:
      if (code != BN_CLICKED) break;
      // Applied to the audio decoder at once, whatever the dialog's end.
      Store("VCDChannel", itemId - IDC_VCD_LEFT);
      return TRUE;
    default:
      break;
  }
  return CConfigDialog::OnCommand(code, itemId, lParam);
}

void COutputSettingsDialog::StoreSelected(int id, const char* key) const {
  // A list with nothing selected (the platform offered nothing) keeps the
  // key's value.
  CComboBox combo = Combo(id);
  if (combo.GetCurSel() >= 0) Store(key, static_cast<int>(combo.GetItemData(combo.GetCurSel())));
}

void COutputSettingsDialog::StoreAudioFormatNumbers() const {
  CComboBox formats = Combo(IDC_AUDIO_FORMAT);
  if (formats.GetCurSel() < 0) return;
  const INT_PTR data = SelectedData(formats, kDefaultAudioFormat);
  const INT_PTR codec = SelectedData(Combo(IDC_AUDIO_COMPRESSOR), kNoRecompression);
  if (KindOfOutputFormat(SelectedFormat()) == kWindowsMediaCodecs && codec != kNoRecompression) {
    // A codec's format text is written for people ("48 kbps, 44 kHz,
    // stereo 1-pass CBR"): the numbers come from its wave format.
    const WmFormatChoice choice = WmFormatOfData(data);
    WAVEFORMATEX wave;
    if (!ReadWmCodecFormatWave(static_cast<int>(codec), MEDIATYPE_Audio, choice.vbr,
                               choice.passes, static_cast<DWORD>(choice.format), &wave))
      return;
    Store("SamplesPerSecond", static_cast<int>(wave.nSamplesPerSec));
    if (wave.wBitsPerSample) Store("BitsPerSample", wave.wBitsPerSample);
    Store("NumChannels", wave.nChannels);
    return;
  }
  // "Default Value" is no format: the stored numbers stay as they are.
  if (data == kDefaultAudioFormat) return;
  const std::string format = SelectedText(formats);
  if (format.empty()) return;
  AudioFormatNumbers numbers = ParseAudioFormatText(format);
  Store("SamplesPerSecond", numbers.samplesPerSecond);
  if (numbers.hasBits) Store("BitsPerSample", numbers.bitsPerSample);
  Store("NumChannels", numbers.numChannels);
}

void COutputSettingsDialog::OnOK() {
  if (m_config) {
    m_audioCompressor = SelectedText(Combo(IDC_AUDIO_COMPRESSOR));
    CComboBox formats = Combo(IDC_AUDIO_FORMAT);
    if (formats.GetCurSel() >= 0) Store("AudioFormatIndex", formats.GetCurSel());
    StoreSelected(IDC_AUDIO_FORMAT, "AudioFormatData");
    if (IsWindowEnabled(Item(IDC_AUDIO_COMPRESSOR)))
      StoreSelected(IDC_AUDIO_COMPRESSOR, "AudioParamCodecIndex");
    StoreAudioFormatNumbers();
    StoreSelected(IDC_VIDEO_SIZE, "VideoSize");
    StoreSelected(IDC_VIDEO_FPS, "VideoFPS");
    StoreSelected(IDC_VIDEO_KEYFRAME, "VideoKeyFrame");
    StoreSelected(IDC_VIDEO_QUALITY, "VideoQuality");
    StoreSelected(IDC_VIDEO_BITRATE, "VideoBitrate");
    if (IsWindowEnabled(Item(IDC_VIDEO_COMPRESSOR)))
      StoreSelected(IDC_VIDEO_COMPRESSOR, "VideoParamCodecIndex");
    StoreSelected(IDC_SPLITTER, "Splitter");
    Store("Used2Pass", IsChecked(IDC_TWO_PASS) ? 1 : 0);
    m_videoCompressor = SelectedText(Combo(IDC_VIDEO_COMPRESSOR));
  }
  CConfigDialog::OnOK();
}
