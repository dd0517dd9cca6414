// Highscore records: fixed-length fields and their Windows-1252 bytes, converted with iconv.
#include "highscore/record.h"

#include <iconv.h>
#include <locale.h>

#include <cassert>

namespace kaldora {

namespace {

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// One conversion direction, opened once per record.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok())
      iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts one character; false when the target set has none for it.
  bool One(std::string_view in, std::string& out) {
    if (!ok())
      return false;
    char buffer[32];  // a transliteration may take several bytes
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd_, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1) ||
        src_left != 0) {
      return false;
    }
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    return true;
  }

 private:
  iconv_t cd_;
};

std::size_t CharacterEnd(std::string_view utf8, std::size_t i) {
  std::size_t j = i + 1;
  while (j < utf8.size() && IsContinuation(utf8[j]))
    ++j;
  return j;
}

// glibc transliterates by the calling thread's LC_CTYPE, and the plain "C" locale knows no letter
// for "Ł"; C.UTF-8 does, and fixing it stores a name alike whatever the player's locale is.
class TransliterationLocale {
 public:
  TransliterationLocale() : previous_(Fixed() ? ::uselocale(Fixed()) : locale_t{}) {}
  ~TransliterationLocale() {
    if (previous_)
      ::uselocale(previous_);
  }
  TransliterationLocale(const TransliterationLocale&) = delete;
  TransliterationLocale& operator=(const TransliterationLocale&) = delete;

 private:
  // Made once and kept for the life of the program; without it the thread's own locale serves.
  static locale_t Fixed() {
    static const locale_t fixed = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return fixed;
  }
  locale_t previous_;
};

// Windows-1252 bytes of a field: a character it lacks as its transliteration, which may be several
// bytes, or "?" where there is none; cut at `size` bytes, blanks after.
void EncodeField(std::string_view utf8, unsigned char* out, std::size_t size, Converter& cp1252) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size() && n < size;) {
    const std::size_t j = CharacterEnd(utf8, i);
    std::string bytes;
    const std::string_view put =
        cp1252.One(utf8.substr(i, j - i), bytes) ? std::string_view(bytes) : std::string_view("?");
    for (std::size_t k = 0; k < put.size() && n < size; ++k)
      out[n++] = static_cast<unsigned char>(put[k]);
    i = j;
  }
  for (; n < size; ++n)
    out[n] = ' ';
}

std::string DecodeField(const unsigned char* in, std::size_t size, Converter& utf8) {
  std::string text;
  for (std::size_t i = 0; i < size; ++i) {
    if (in[i] == 0)
      continue;
    const char c = static_cast<char>(in[i]);
    if (!utf8.One(std::string_view(&c, 1), text))
      text += '?';
  }
  return text;
}

constexpr std::size_t kPersonAt = 2;
constexpr std::size_t kPersonSize = 20;
constexpr std::size_t kDatumAt = 22;
constexpr std::size_t kDatumSize = 17;

}  // namespace

std::string CutOrPad(std::string_view utf8, std::size_t count) {
  std::string text;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (!IsContinuation(utf8[i]) && characters++ == count)
      break;
    text += utf8[i];
  }
  text.append(count - std::min(characters, count), ' ');
  return text;
}

bool FitsWindows1252(std::string_view utf8) {
  Converter cp1252("WINDOWS-1252", "UTF-8");
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t j = CharacterEnd(utf8, i);
    std::string byte;
    if (!cp1252.One(utf8.substr(i, j - i), byte) || byte.size() != 1)
      return false;
    i = j;
  }
  return true;
}

RecordBytes EncodeRecord(const HighscoreSatz& entry) {
  RecordBytes bytes{};
  const auto points = static_cast<std::uint16_t>(entry.Wert);
  bytes[0] = static_cast<unsigned char>(points & 0xFF);
  bytes[1] = static_cast<unsigned char>(points >> 8);
  const TransliterationLocale c_utf8;
  Converter cp1252("WINDOWS-1252//TRANSLIT", "UTF-8");
  EncodeField(entry.Person.str(), &bytes[kPersonAt], kPersonSize, cp1252);
  EncodeField(entry.Datum.str(), &bytes[kDatumAt], kDatumSize, cp1252);
  return bytes;
}

HighscoreSatz DecodeRecord(const RecordBytes& bytes, std::size_t present) {
  assert(present <= kRecordSize);
  RecordBytes padded{};  // absent bytes read as zero: no points, no character
  std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(present), padded.begin());
  HighscoreSatz entry;
  entry.Wert = static_cast<std::int16_t>(padded[0] | (padded[1] << 8));
  Converter utf8("UTF-8", "WINDOWS-1252");
  entry.Person.AssignRead(DecodeField(&padded[kPersonAt], kPersonSize, utf8));
  entry.Datum.AssignRead(DecodeField(&padded[kDatumAt], kDatumSize, utf8));
  return entry;
}

}  // namespace kaldora
