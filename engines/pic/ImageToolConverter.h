// PicCast's engine: turns a still image into a JPEG of a given size through
// the external image tool. The source is handed over as a temporary copy,
// scaled by GDI+ first where the tool cannot read it as it is; the tool's
// result is copied to the target.
#pragma once
#include <windows.h>

#include <string>

#include "include/VarnoEngine.h"

// Makes a fresh name in `folder` (created one level deep when missing) with
// the prefix "QTJ"; the file that the system makes for it is deleted again.
int MakeTempFileName(const char* folder, char* name /* MAX_PATH */);

class CImageToolConverter : public IConvertEngine {
 public:
  virtual ~CImageToolConverter() {}

  void STDMETHODCALLTYPE Release() override { delete this; }
  int STDMETHODCALLTYPE Reserved1() override { return 1; }
  void STDMETHODCALLTYPE Reset() override {}
  int STDMETHODCALLTYPE GetInputFormats(FORMATROW** rows) override;
  int STDMETHODCALLTYPE GetOutputFormats(FORMATROW** rows) override;
  int STDMETHODCALLTYPE LoadConfigFile(const char* config) override { return ParseConfig(config); }
  int STDMETHODCALLTYPE Convert(const char* output, const char* input,
                                IConvertProgress* progress) override;
  int STDMETHODCALLTYPE Reserved7(int, int) override { return 0; }
  HRESULT STDMETHODCALLTYPE GetSnapshot(HGLOBAL*) override { return E_FAIL; }

  virtual int ParseConfig(const char* config);
  virtual int ConvertOnce(const char* output, const char* input, IConvertProgress* progress,
                          int force);
  virtual int PrepareImage(const char* input, char* a, IConvertProgress* progress, int force);
  virtual int RunImageTool(char* b, const char* a, IConvertProgress* progress);
  virtual int CopyResult(const char* b, const char* output, IConvertProgress* progress);

  const std::string& ToolPath() const { return m_toolPath; }
  const std::string& TempFolder() const { return m_tempFolder; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }

 protected:
  // One progress report; false (and the conversion stopped) when the
  // caller asked to stop.
  bool Report(IConvertProgress* progress, int percent);
  // The tool ended by itself with exit code 0 and file B decodes as an
  // image: what a run needs to count as done.
  static bool ToolSucceeded(HANDLE tool, const char* b);
  int RedrawInto(void* image /* Gdiplus::Image */, const char* a);

  std::string m_toolPath;
  std::string m_tempFolder;
  int m_width = 0;
  int m_height = 0;
  int m_n = 0;  // the task's quality, only checked for being set
  bool m_stopped = false;  // the caller asked the current conversion to stop
};
