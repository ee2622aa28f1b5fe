#include "entries/item_codec.h"

namespace {

const char kSeparator = ',';
const char kEscape = '%';

bool IsTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }
bool IsWellFormedLead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Calls keep(pos, len) for each character that may be stored as it is and
// escape(pos) for each byte that must be escaped.
template <typename Keep, typename Escape>
void ScanItem(const Text& item, bool atValueStart, Keep keep, Escape escape) {
  std::size_t i = 0;
  while (i < item.size()) {
    unsigned char byte = static_cast<unsigned char>(item[i]);
    if (byte >= 0x80) {
      if (IsWellFormedLead(byte) && i + 1 < item.size() &&
          IsTrailByte(static_cast<unsigned char>(item[i + 1]))) {
        keep(i, 2);
        i += 2;
        continue;
      }
      escape(i);
    } else if (byte < 0x20 || byte == 0x7F || byte == kSeparator || (byte == ' ' && atValueStart && i == 0)) {
      escape(i);
    } else {
      keep(i, 1);
    }
    ++i;
  }
}

bool NeedsEscapedForm(const TextList& items) {
  bool needed = false;
  for (std::size_t k = 0; k < items.size() && !needed; ++k)
    ScanItem(
        items[k], k == 0, [](std::size_t, std::size_t) {}, [&needed](std::size_t) { needed = true; });
  return needed;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

Text Unescape(const Text& piece) {
  Text out;
  out.reserve(piece.size());
  for (std::size_t i = 0; i < piece.size(); ++i) {
    if (piece[i] == kEscape && i + 2 < piece.size()) {
      int high = HexDigit(piece[i + 1]);
      int low = HexDigit(piece[i + 2]);
      if (high >= 0 && low >= 0) {
        out += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    out += piece[i];
  }
  return out;
}

}  // namespace

Text EncodeItems(const TextList& items) {
  if (!NeedsEscapedForm(items)) return JoinItems(items, kSeparator);
  static const char kHex[] = "0123456789ABCDEF";
  Text value;
  for (std::size_t k = 0; k < items.size(); ++k) {
    const Text& item = items[k];
    ScanItem(
        item, k == 0,
        [&](std::size_t pos, std::size_t len) {
          if (item[pos] == kEscape) {
            value += "%25";
          } else {
            value.append(item, pos, len);
          }
        },
        [&](std::size_t pos) {
          unsigned char byte = static_cast<unsigned char>(item[pos]);
          value += kEscape;
          value += kHex[byte >> 4];
          value += kHex[byte & 0x0F];
        });
    value += kSeparator;
  }
  value += kEscape;
  return value;
}

TextList DecodeItems(const Text& value) {
  std::size_t n = value.size();
  bool escaped = n >= 2 && value[n - 1] == kEscape && value[n - 2] == kSeparator;
  if (!escaped) return SplitValue(value, kSeparator);
  // In the escaped form every stored "," is a separator and no trail byte can
  // be "," or "%", so the ordinary split applies before unescaping.
  TextList pieces = SplitValue(value.substr(0, n - 1), kSeparator);
  for (Text& piece : pieces) piece = Unescape(piece);
  return pieces;
}
