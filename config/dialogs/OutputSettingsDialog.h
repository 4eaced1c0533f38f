// The output settings dialog: for the current video output type, the video
// and audio compressors, the audio format, the video parameters, the
// splitter and the channel of VCD sources.
#pragma once
#include <string>

#include "config/dialogs/ConfigDialog.h"
#include "winfx/Controls.h"
#include "include/OutputTypeEntry.h"

class COutputSettingsDialog : public CConfigDialog {
 public:
  static const char kSection[];

  // Gets a copy of the output type whose settings it edits.
  COutputSettingsDialog(IVarnoConfigEx* config, const OutputTypeEntry& outputType);

  // What OK kept of the two compressor lists.
  const std::string& AudioCompressorText() const { return m_audioCompressor; }
  const std::string& VideoCompressorText() const { return m_videoCompressor; }

 protected:
  BOOL OnInit() override;
  BOOL OnCommand(int code, int itemId, LPARAM lParam) override;
  void OnOK() override;

 private:
  void Populate();
  int SelectedFormat() const;
  void FillCompressorLists(int position);
  void FillAudioFormats(int position, INT_PTR codec);
  // Whether the compressor lists can take effect for that format.
  bool OffersCompressors(int position) const;
  // The stored compressor where the list has it and can take effect, else
  // the type's own codec by name.
  void SelectCompressor(const CComboBox& list, const char* key, const std::string& typeCodec,
                        int position);
  void FillParameterLists();
  void UpdateControls();
  void ApplyCoachBitrate();
  void ShowCompressorSettings();
  void StoreSelected(int id, const char* key) const;
  // The rate, bits and channels of the chosen audio format.
  void StoreAudioFormatNumbers() const;

  int m_outputType;
  std::string m_audioCodec, m_videoCodec;
  std::string m_audioCompressor, m_videoCompressor;
  // ShowDialog has no apply-all choice to offer, so "Apply All" stays hidden.
  int m_applyAll = -1;
  bool m_bParametersLoaded = false;
};
