// The music module's task list: the music and video file types, MP3 output
// (type 9) for every task, and audio-only tasks whatever the source holds.
#pragma once
#include "modules/framework/model/TaskList.h"

class CMusicTaskList : public CTaskList {
 public:
  BOOL LoadOutputSettings(int outputTypeIndex, CTaskRecord* task) override;
  BOOL ProbeFile(CTaskRecord* task, const char* path) override;
  // The MP3 entry of the catalogue, whatever the page's list chose: the
  // music page's choice is a row of MP3 settings ("MusicLastOutputTypeIndex"),
  // not a catalogue index.
  int CurrentOutputTypeIndex() override;
  // Without an MP3 entry in the catalogue the tasks fail with this reason.
  const char* MissingOutputTypeReason() const override;

 protected:
  const char* SupportedPatterns() const override;
};
