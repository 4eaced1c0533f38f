// FrameWright.exe started from a copy of the installation whose default
// skin was edited by hand in one way: whatever the skin says, the program
// shows its main window or ends by itself with exit code 0, never with an
// exception code, an abort or a hang, and its log tells what was passed
// over. One row per kind of damage, each made from the rendered skin.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>
#include <stdio.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "tests/support/TestSupport.h"
#include "ui/MainDialog.h"

namespace {

const DWORD kRunTimeoutMs = 60000;  // a start that takes longer is a hang
// The most memory a start may take: the 32-bit program has 2 GB in all, and
// a skin must not be able to make it take half of that.
const SIZE_T kMostPeakMemory = 1024u * 1024u * 1024u;
const char kSkinFolder[] = "Skins\\Default\\";
const char kMainImage[] = "REELCRAFTDLG_Main.bmp";

// skin.ini's lines, with their line ends.
std::vector<std::string> IniLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    end = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(at, end - at));
    at = end;
  }
  return lines;
}

// Applies `change` to the value of every "key=value" line; the value comes
// without its line end, which is put back.
std::string EachValue(const std::string& text, const std::function<std::string(std::string)>& change) {
  std::string out;
  for (std::string line : IniLines(text)) {
    std::string end;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
      end.insert(end.begin(), line.back());
      line.pop_back();
    }
    const size_t equals = line.find('=');
    if (equals != std::string::npos && line[0] != ';' && line[0] != '[')
      line = line.substr(0, equals + 1) + change(line.substr(equals + 1));
    out += line + end;
  }
  return out;
}

// Every run of digits (with its sign) of every value replaced.
std::string EachNumber(const std::string& text, const std::function<std::string(const std::string&)>& number) {
  return EachValue(text, [&](std::string value) {
    std::string out;
    for (size_t i = 0; i < value.size();) {
      size_t start = i;
      if (value[i] == '-' && i + 1 < value.size() && isdigit(static_cast<unsigned char>(value[i + 1]))) ++i;
      if (!isdigit(static_cast<unsigned char>(value[i]))) {
        out += value[start];
        i = start + 1;
        continue;
      }
      while (i < value.size() && isdigit(static_cast<unsigned char>(value[i]))) ++i;
      out += number(value.substr(start, i - start));
    }
    return out;
  });
}

// The value of one section's lines changed; other sections are left alone.
std::string InSections(const std::string& text, const std::function<bool(const std::string&)>& wanted,
                       const std::function<std::string(const std::string&)>& change) {
  std::string out, section;
  for (std::string line : IniLines(text)) {
    if (!line.empty() && line[0] == '[') {
      section = line.substr(1, line.find(']') - 1);
    } else if (wanted(section)) {
      const size_t equals = line.find('=');
      if (equals != std::string::npos) {
        std::string value = line.substr(equals + 1);
        std::string end;
        while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) {
          end.insert(end.begin(), value.back());
          value.pop_back();
        }
        line = line.substr(0, equals + 1) + change(value) + end;
      }
    }
    out += line;
  }
  return out;
}

// The comma fields of a value, with field `n` (from 0) replaced.
std::string WithField(const std::string& value, size_t n, const std::string& field) {
  std::vector<std::string> fields;
  size_t at = 0;
  for (;;) {
    size_t comma = value.find(',', at);
    fields.push_back(value.substr(at, comma == std::string::npos ? std::string::npos : comma - at));
    if (comma == std::string::npos) break;
    at = comma + 1;
  }
  if (n < fields.size()) fields[n] = field;
  std::string out;
  for (size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + fields[i];
  return out;
}

bool EndsWith(const std::string& text, const char* tail) {
  const size_t n = strlen(tail);
  return text.size() >= n && lstrcmpiA(text.c_str() + text.size() - n, tail) == 0;
}

// A small GIF picture (1 x 1, one colour): another picture format.
const unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                              0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04,
                              0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01,
                              0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};

struct Damage {
  const char* name;
  // What becomes of skin.ini (identity for a damaged bitmap).
  std::function<std::string(const std::string&)> ini;
  // What becomes of the main window's image; NULL leaves it.
  std::function<std::string(const std::string&)> mainImage;
  // A text that the log must hold: what was passed over or cut.
  const char* logged;
};

std::string Same(const std::string& text) { return text; }

// The damage done to everything after the skin's catalogue header
// ([SkinInfo], which the configuration reads to accept the skin at all):
// the rest is the skin engine's to read.
std::function<std::string(const std::string&)> AfterHeader(
    std::function<std::string(const std::string&)> damage) {
  return [damage](const std::string& text) {
    const size_t header = text.find("\n[", text.find("[SkinInfo]") + 1);
    if (header == std::string::npos) return damage(text);
    return text.substr(0, header + 1) + damage(text.substr(header + 1));
  };
}

std::vector<Damage> Damages() {
  return {
      {"an empty file", [](const std::string&) { return std::string(); }, NULL,
       "No valid skin"},
      {"the file cut in half", [](const std::string& t) { return t.substr(0, t.size() / 2); },
       NULL, "passed over"},
      {"fields cut to two",
       AfterHeader([](const std::string& t) {
         return EachValue(t, [](std::string v) {
           size_t first = v.find(',');
           size_t second = first == std::string::npos ? first : v.find(',', first + 1);
           return second == std::string::npos ? v : v.substr(0, second);
         });
       }),
       NULL, "too few fields"},
      {"fields emptied",
       AfterHeader([](const std::string& t) {
         return EachValue(t, [](std::string v) {
           std::string commas;
           for (char c : v)
             if (c == ',') commas += ',';
           return commas;
         });
       }),
       NULL, "passed over"},
      {"every number negative",
       AfterHeader([](const std::string& t) {
         return EachNumber(t, [](const std::string& n) { return n[0] == '-' ? n : "-" + n; });
       }),
       NULL, "passed over"},
      {"every number 2147483647",
       AfterHeader([](const std::string& t) { return EachNumber(t, [](const std::string&) { return "2147483647"; }); }),
       NULL, "passed over"},
      {"every number 0",
       AfterHeader([](const std::string& t) { return EachNumber(t, [](const std::string&) { return "0"; }); }),
       NULL, "passed over"},
      {"random bytes in 5 % of the characters",
       AfterHeader([](const std::string& t) {
         std::string out = t;
         std::mt19937 random(23);
         for (char& c : out)
           if (random() % 100 < 5) c = static_cast<char>(1 + random() % 255);
         return out;
       }),
       NULL, "passed over"},
      {"an enumeration with a range and repeat of 99999",
       AfterHeader([](const std::string& t) {
         return InSections(t, [](const std::string& s) { return s == "ENUMS"; },
                           [](const std::string& v) {
                             return WithField(WithField(WithField(v, 1, "0"), 2, "99999"), 3, "99999");
                           });
       }),
       NULL, "cut to its first"},
      {"InitSize of 100000 x 100000",
       AfterHeader([](const std::string& t) {
         std::string out = t;
         for (const char* section : {"[REELCRAFTDLG]", "[VideoConverterDialog]", "[MusicConverterDialog]",
                                     "[StillCastDialog]"}) {
           size_t at = out.find(section);
           if (at != std::string::npos)
             out.insert(at + strlen(section), "\r\nInitSize=0,0,100000,100000");
         }
         return out;
       }),
       NULL, "cut to the screen"},
      {"a font of height 100000",
       AfterHeader([](const std::string& t) {
         auto size = [](size_t field) {
           return [field](const std::string& v) { return WithField(v, field, "100000"); };
         };
         std::string out = InSections(t, [](const std::string& s) { return s == "FONTSINFO"; }, size(1));
         out = InSections(out, [](const std::string& s) { return EndsWith(s, "/TEXTINFO"); }, size(4));
         return InSections(out, [](const std::string& s) { return EndsWith(s, "/STRINGSINFO"); }, size(5));
       }),
       NULL, "cut to"},
      {"the window image cut to half its bytes", Same,
       [](const std::string& b) { return b.substr(0, b.size() / 2); }, "passed over"},
      {"an empty window image", Same, [](const std::string&) { return std::string(); },
       "passed over"},
      {"another picture format under the .bmp name", Same,
       [](const std::string&) { return std::string(reinterpret_cast<const char*>(kGif), sizeof(kGif)); },
       "passed over"},
  };
}

// How one start ended.
struct Outcome {
  bool windowShown = false;
  DWORD exitCode = 0;
  bool ended = false;  // by itself (or after its window was closed), in time
  SIZE_T peakMemory = 0;  // the most private memory it held; 0 when unknown
};

void TakePeakMemory(HANDLE process, Outcome* outcome) {
  PROCESS_MEMORY_COUNTERS counters = {sizeof(counters)};
  if (GetProcessMemoryInfo(process, &counters, sizeof(counters)) &&
      counters.PeakPagefileUsage > outcome->peakMemory)
    outcome->peakMemory = counters.PeakPagefileUsage;
}

// A copy of the whole installation, made once, with the pristine skin kept
// aside so that each row starts from it.
class InstallationCopy {
 public:
  bool Make() {
    m_folder = m_dir.Path() + "install\\";
    if (!vrctest::CopyTree(vrctest::ProgramFolder(), m_folder)) return false;
    for (const std::string& name : vrctest::FilesIn(m_folder))
      if (EndsWith(name, ".cfg") || EndsWith(name, ".log")) DeleteFileA((m_folder + name).c_str());
    m_ini = vrctest::ReadFile(SkinFile("skin.ini"));
    m_image = vrctest::ReadFile(SkinFile(kMainImage));
    return !m_ini.empty() && !m_image.empty();
  }
  std::string SkinFile(const char* name) const { return m_folder + kSkinFolder + name; }
  const std::string& Ini() const { return m_ini; }
  const std::string& Image() const { return m_image; }

  // Each library keeps a log client of its own, with its own settings
  // beside it: each logs into its own file.
  static const std::vector<std::string>& Loggers() {
    static const std::vector<std::string> names = {"FrameWright.exe", "OptionVault.dll",
                                                   "MovieCast.dll", "TuneCast.dll", "StillCast.dll"};
    return names;
  }
  // The program's log and its libraries' logs, one after the other.
  static std::string ReadLogs(const std::string& logFile) {
    std::string text;
    for (const std::string& name : Loggers()) text += vrctest::ReadFile(logFile + "." + name);
    return text;
  }

  Outcome Run(const std::string& logFile) {
    for (const std::string& name : Loggers())
      vrctest::WriteFile(m_folder + name + ".cfg",
                         "[LogSetting]\r\nMask=1\r\nFile=" + logFile + "." + name +
                             "\r\nLevel=4\r\nEnableTimeStamp=0\r\n");
    Outcome outcome;
    std::string command = "\"" + m_folder + "FrameWright.exe\"";
    STARTUPINFOA startup = {sizeof(startup)};
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, m_folder.c_str(), &startup,
                        &started))
      return outcome;
    CHandle process(started.hProcess), thread(started.hThread);
    DWORD waited = 0;
    for (; waited < kRunTimeoutMs; waited += 100) {
      if (WaitForSingleObject(process, 100) == WAIT_OBJECT_0) break;
      HWND window = FindRunningMainWindow();
      DWORD owner = 0;
      if (window) GetWindowThreadProcessId(window, &owner);
      if (window && owner == started.dwProcessId && IsWindowVisible(window)) {
        outcome.windowShown = true;
        TakePeakMemory(process, &outcome);
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
      }
    }
    if (WaitForSingleObject(process, kRunTimeoutMs) != WAIT_OBJECT_0) {
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      return outcome;
    }
    outcome.ended = true;
    TakePeakMemory(process, &outcome);
    GetExitCodeProcess(process, &outcome.exitCode);
    return outcome;
  }

 private:
  vrctest::TempDir m_dir;
  std::string m_folder, m_ini, m_image;
};

TEST(DamagedSkin, EveryDamageShowsAWindowOrEndsQuietly) {
  InstallationCopy install;
  ASSERT_TRUE(install.Make()) << "no copy of the installation with its default skin";
  vrctest::TempDir logs;
  int row = 0;
  for (const Damage& damage : Damages()) {
    SCOPED_TRACE(damage.name);
    ASSERT_TRUE(vrctest::WriteFile(install.SkinFile("skin.ini"), damage.ini(install.Ini())));
    ASSERT_TRUE(vrctest::WriteFile(install.SkinFile(kMainImage),
                                   damage.mainImage ? damage.mainImage(install.Image()) : install.Image()));
    const std::string logFile = logs.File("run" + std::to_string(++row) + ".log");
    const Outcome outcome = install.Run(logFile);
    const std::string log = InstallationCopy::ReadLogs(logFile);
    char code[16];
    snprintf(code, sizeof(code), "0x%08lX", outcome.exitCode);
    EXPECT_TRUE(outcome.ended) << "no window and no end within its time; the log says:\n" << log;
    EXPECT_EQ(0u, outcome.exitCode) << "exit code " << code << (outcome.windowShown ? " after its window" : "")
                                    << "; the log says:\n" << log;
    EXPECT_NE(std::string::npos, log.find(damage.logged))
        << "the log does not say \"" << damage.logged << "\":\n" << log;
    EXPECT_LT(outcome.peakMemory, kMostPeakMemory) << "the skin made the program take "
                                                   << outcome.peakMemory / (1024 * 1024) << " MB";
    printf("%-48s %s, peak memory %u MB\n", damage.name,
           outcome.windowShown ? "window shown" : "ended by itself",
           static_cast<unsigned>(outcome.peakMemory / (1024 * 1024)));
    EXPECT_EQ(std::string::npos, log.find("caught at its border"))
        << "a failure that the skin engine should have kept to itself:\n" << log;
  }
}

}  // namespace
