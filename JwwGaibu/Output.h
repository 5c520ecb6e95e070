// The output side of the host exchange: the command buffer, the attribute
// commands ("lc", "lw", "lc10 ") and the writer of JWC_TEMP.TXT.
#pragma once

#include <string>
#include <string_view>

namespace JwwGaibu {

inline constexpr size_t kMaxOutputLine = 255;

void AppendOutputLine(std::string_view line);
// Puts a line before all the others, cut to kMaxOutputLine as appended ones are.
void PrependOutputLine(std::string_view line);
// Replaces the file with the buffered commands, or the single line "hq" when
// there are none. On failure no file remains at the path: the host must never
// read its own listing back as commands.
bool WriteExchangeFile(const std::string& path);
// The bytes WriteExchangeFile writes.
std::string ExchangeFileBytes();

void ResetOutputState();
int MapColorIndex(int index);
void EmitLineColor(int color, int mapSwitch);
void EmitLineWidth(int width);
void EmitRgbColor(int rgb);

}  // namespace JwwGaibu
