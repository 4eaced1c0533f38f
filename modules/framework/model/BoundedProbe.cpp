#include "modules/framework/model/BoundedProbe.h"

#include <string.h>

#include "base/BoundedCall.h"

namespace {

// The probe's inputs and outputs, copied: an abandoned probe writes into
// its own job, never into the caller's records.
class CMediaProbeJob : public CBoundedJob {
 public:
  CMediaProbeJob(PFN_MediaProbe probe, const char* path) : m_probe(probe), m_path(path) {
    memset(&video, 0, sizeof(video));
    memset(&audio, 0, sizeof(audio));
  }
  void Run() override { result = m_probe(&video, &audio, m_path.c_str(), &mediaTime); }

  VIDEOINFOHEADER video;
  WAVEFORMATEX audio;
  std::string mediaTime;
  int result = 0;

 private:
  PFN_MediaProbe m_probe;
  std::string m_path;
};

}  // namespace

bool ProbeMediaWithin(PFN_MediaProbe probe, DWORD boundMs, const char* path,
                      VIDEOINFOHEADER* video, WAVEFORMATEX* audio, std::string* mediaTime,
                      int* result) {
  if (!probe || !path || !video || !audio || !mediaTime || !result) return false;
  std::unique_ptr<CBoundedJob> job(new CMediaProbeJob(probe, path));
  if (!RunBounded(&job, boundMs)) return false;
  const CMediaProbeJob& done = static_cast<const CMediaProbeJob&>(*job);
  *video = done.video;
  *audio = done.audio;
  *mediaTime = done.mediaTime;
  *result = done.result;
  return true;
}
