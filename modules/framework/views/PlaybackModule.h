// A conversion module that previews its tasks with the DirectShow player in
// a playback window: IPlayer over the player, the window's creation and
// release, and the play position that completes MEV_PLAY_PROGRESS.
#pragma once
#include <memory>
#include <string>

#include "modules/framework/player/DirectShowPlayer.h"
#include "modules/framework/views/ConversionModule.h"
#include "modules/framework/views/SkinWnd.h"

class CPlaybackModule : public CConversionModule, public IPlayer {
 public:
  // announcePlayStart: whether Play fires MEV_PLAY_STARTING before it shows
  // the window.
  CPlaybackModule(CTaskList& taskList, bool announcePlayStart);
  ~CPlaybackModule() override;

  ULONG STDMETHODCALLTYPE AddRef() override { return CModuleBase::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return CModuleBase::Release(); }

  HRESULT STDMETHODCALLTYPE DestroyView(IConverterView* view) override;

  // IPlayer
  HRESULT STDMETHODCALLTYPE Play() override;
  HRESULT STDMETHODCALLTYPE Stop() override;
  HRESULT STDMETHODCALLTYPE HandleGraphEvent() override;
  BOOL STDMETHODCALLTYPE IsPlaying() override;
  BOOL STDMETHODCALLTYPE GetPosition() override;
  BOOL STDMETHODCALLTYPE Seek(int percent) override;

  CDirectShowPlayer* GetPlayer() const { return m_pPlayer.get(); }
  CSkinWnd* GetPlaybackView() const { return m_pPlaybackView.get(); }

 protected:
  // IID_IPlayer besides the common interfaces.
  BOOL QueryPlaybackInterface(const IID* iid, void** out, HRESULT* hr);
  // Makes the player once and starts it (its result is not needed).
  void StartPlayer();
  // Stops a playing graph, cleans up and deletes the player.
  void EndPlayer();
  // Creates the window hidden over rect, wired to this module and the player.
  HRESULT CreatePlaybackView(std::unique_ptr<CSkinWnd> view, HWND hParent, const RECT* rect,
                             IConverterView** out);
  void FreePlaybackView();
  // MEV_PLAY_PROGRESS: p1 the player's position, p2 its text (kept alive here).
  void CompletePlayProgress(INT_PTR* p1, INT_PTR* p2);

 private:
  std::unique_ptr<CSkinWnd> m_pPlaybackView;
  std::unique_ptr<CDirectShowPlayer> m_pPlayer;
  bool m_bAnnouncePlayStart;
  std::string m_positionText;
};
