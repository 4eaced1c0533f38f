#include "stand-ins/encoder/EncoderOptions.h"

#include <cerrno>
#include <cstdlib>
#include <functional>

namespace encoder {

namespace {

bool ParseInt(const std::string& text, int* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  long number = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || number < -1000000000L || number > 1000000000L)
    return false;
  *value = static_cast<int>(number);
  return true;
}

bool ParseDecimal(const std::string& text, double* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  double number = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !(number >= 0) || number > 1e9) return false;
  *value = number;
  return true;
}

// One "key=value" or "key" flag of a sub-option list such as -lameopts.
struct SubOption {
  const char* key;
  bool takesValue;
  std::function<bool(const std::string& value)> apply;  // false: bad value
};

SubOption IntField(const char* key, int* field, int low, int high) {
  return {key, true, [=](const std::string& value) {
            int number = 0;
            if (!ParseInt(value, &number) || number < low || number > high) return false;
            *field = number;
            return true;
          }};
}

SubOption Flag(const char* key, bool* field) {
  return {key, false, [=](const std::string&) { return *field = true; }};
}

SubOption TextField(const char* key, std::string* field, std::vector<std::string> allowed) {
  return {key, true, [=](const std::string& value) {
            for (const std::string& name : allowed)
              if (value == name) return (*field = value), true;
            return false;
          }};
}

// The items of a list such as "a=1:b" or "scale=1:2,harddup".
std::vector<std::string> Split(const std::string& list, char separator) {
  std::vector<std::string> items;
  size_t begin = 0;
  for (size_t end; (end = list.find(separator, begin)) != std::string::npos; begin = end + 1)
    items.push_back(list.substr(begin, end - begin));
  items.push_back(list.substr(begin));
  return items;
}

// Applies each item of "a=1:b:c=2" through the table.
bool ParseSubOptions(const std::string& option, const std::string& list,
                     const std::vector<SubOption>& table, std::string* error) {
  for (const std::string& item : Split(list, ':')) {
    if (item.empty()) continue;
    size_t equals = item.find('=');
    std::string key = item.substr(0, equals);
    std::string value = equals == std::string::npos ? std::string() : item.substr(equals + 1);
    const SubOption* found = nullptr;
    for (const SubOption& entry : table)
      if (key == entry.key) found = &entry;
    if (!found) {
      *error = "unknown sub-option '" + key + "' in " + option;
      return false;
    }
    if (found->takesValue != (equals != std::string::npos) || !found->apply(value)) {
      *error = "bad sub-option '" + item + "' in " + option;
      return false;
    }
  }
  return true;
}

std::vector<SubOption> LameTable(LameSettings* lame) {
  return {IntField("vbr", &lame->vbr, 0, 4),        Flag("cbr", &lame->cbr),
          IntField("br", &lame->bitRate, 8, 320),   IntField("aq", &lame->quality, 0, 9),
          IntField("mode", &lame->mode, 0, 3)};
}

std::vector<SubOption> LavcTable(LavcSettings* lavc) {
  return {TextField("acodec", &lavc->audioCodec, {"mp2"}),
          IntField("abitrate", &lavc->audioBitRate, 8, 640),
          TextField("vcodec", &lavc->videoCodec, {"mpeg4"}),
          IntField("vqmin", &lavc->qMin, 1, 31),
          IntField("vqmax", &lavc->qMax, 1, 31),
          IntField("vbitrate", &lavc->videoBitRate, 4, 24000000),
          IntField("vme", &lavc->motionSearch, 0, 8),
          IntField("vmax_b_frames", &lavc->maxBFrames, 0, 4),
          IntField("keyint", &lavc->keyInterval, 0, 1000),
          IntField("vstrict", &lavc->strict, -2, 3),
          Flag("bit_exact", &lavc->bitExact),
          IntField("me_range", &lavc->motionRange, 0, 9999)};
}

std::vector<SubOption> XvidTable(XvidSettings* xvid) {
  return {IntField("bitrate", &xvid->bitRate, 4, 24000000),
          IntField("max_key_interval", &xvid->maxKeyInterval, 0, 10000),
          IntField("max_bframes", &xvid->maxBFrames, 0, 4),
          IntField("vhq", &xvid->modeDecision, 0, 4)};
}

// "-vf scale=w:h,harddup": the filters the encoder knows.
bool ParseFilters(const std::string& chain, EncoderOptions* options, std::string* error) {
  for (const std::string& filter : Split(chain, ',')) {
    if (filter == "harddup") {
      options->hardDup = true;
    } else if (filter.compare(0, 6, "scale=") == 0) {
      size_t colon = filter.find(':');
      if (colon == std::string::npos ||
          !ParseInt(filter.substr(6, colon - 6), &options->scaleWidth) ||
          !ParseInt(filter.substr(colon + 1), &options->scaleHeight) ||
          options->scaleWidth < -1 || options->scaleHeight < -1) {
        *error = "bad filter '" + filter + "' in -vf (expected scale=width:height)";
        return false;
      }
      options->scale = true;
    } else {
      *error = "unknown filter '" + filter + "' in -vf";
      return false;
    }
  }
  return true;
}

template <typename Enum>
bool ParseChoice(const std::string& value, std::vector<std::pair<const char*, Enum>> choices,
                 Enum* field) {
  for (const auto& choice : choices)
    if (value == choice.first) return (*field = choice.second), true;
  return false;
}

}  // namespace

bool ParseEncoderOptions(const std::vector<std::string>& arguments, EncoderOptions* options,
                         std::string* error) {
  EncoderOptions& o = *options;
  using Handler = std::function<bool(const std::string& option, const std::string& value)>;
  auto number = [&](int* field, int low) {
    return Handler([=](const std::string&, const std::string& value) {
      return ParseInt(value, field) && *field >= low;
    });
  };
  auto decimal = [&](double* field) {
    return Handler([=](const std::string&, const std::string& value) {
      return ParseDecimal(value, field);
    });
  };
  auto subOptions = [&](std::vector<SubOption> table) {
    return Handler([=](const std::string& option, const std::string& value) {
      return ParseSubOptions(option, value, table, error);
    });
  };
  struct Option {
    const char* name;
    bool takesValue;
    Handler apply;
  };
  const Option table[] = {
      {"-o", true, [&](const std::string&, const std::string& v) { return !(o.output = v).empty(); }},
      {"-oac", true,
       [&](const std::string&, const std::string& v) {
         return ParseChoice<AudioEncoder>(v, {{"mp3lame", AudioEncoder::Mp3Lame},
                                              {"lavc", AudioEncoder::Lavc}}, &o.audio);
       }},
      {"-ovc", true,
       [&](const std::string&, const std::string& v) {
         return ParseChoice<VideoEncoder>(v, {{"lavc", VideoEncoder::Lavc},
                                              {"xvid", VideoEncoder::Xvid},
                                              {"frameno", VideoEncoder::FrameNo}}, &o.video);
       }},
      {"-lameopts", true, subOptions(LameTable(&o.lame))},
      {"-lavcopts", true, subOptions(LavcTable(&o.lavc))},
      {"-xvidencopts", true, subOptions(XvidTable(&o.xvid))},
      {"-vf", true,
       [&](const std::string&, const std::string& v) { return ParseFilters(v, &o, error); }},
      {"-ofps", true, decimal(&o.outputFps)},
      {"-srate", true, number(&o.sampleRate, 0)},
      {"-channels", true, number(&o.channels, 0)},
      {"-ffourcc", true,
       [&](const std::string&, const std::string& v) { return (o.fourcc = v).size() == 4; }},
      {"-nosound", false, [&](const std::string&, const std::string&) { return o.noSound = true; }},
      {"-ss", true, decimal(&o.start)},
      {"-endpos", true, decimal(&o.length)},
      {"-of", true,
       [&](const std::string&, const std::string& v) {
         o.format = v;
         return v == "avi" || v == "mp3" || v == "lavf";
       }},
      {"-audio-preload", true, decimal(&o.audioPreload)},
  };

  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.size() < 2 || argument[0] != '-') {
      if (!o.source.empty()) {
        *error = "more than one source file: '" + o.source + "' and '" + argument + "'";
        return false;
      }
      o.source = argument;
      continue;
    }
    const Option* option = nullptr;
    for (const Option& entry : table)
      if (argument == entry.name) option = &entry;
    if (!option) {
      *error = "unknown option '" + argument + "'";
      return false;
    }
    std::string value;
    if (option->takesValue) {
      if (i + 1 >= arguments.size()) {
        *error = "option " + argument + " needs a value";
        return false;
      }
      value = arguments[++i];
    }
    error->clear();
    if (!option->apply(argument, value)) {
      if (error->empty()) *error = "bad value '" + value + "' for option " + argument;
      return false;
    }
  }

  if (o.source.empty()) *error = "no source file given";
  else if (o.output.empty()) *error = "no output file given (-o)";
  else if (o.video == VideoEncoder::None) *error = "no video encoder given (-ovc)";
  else if (o.audio == AudioEncoder::None && !o.noSound)
    *error = "no audio encoder given (-oac), and no -nosound";
  else return true;
  return false;
}

}  // namespace encoder
