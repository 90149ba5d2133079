#pragma once
// Screenshots: the framebuffer as an 8-bit RGB PNG file.
#include <cstdio>
#include <string>

#include "platform/gdi/Framebuffer.h"

// False when the file cannot be written.
bool WritePng(const Framebuffer& fb, const std::string& path);
// The same into an open file, which stays open.
bool WritePng(const Framebuffer& fb, FILE* file);
