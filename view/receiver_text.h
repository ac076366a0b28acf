#pragma once
// The size of a receiver's value text: pure rules on pixel sizes.
#include <string>

// The text size for a receiver whose rectangle's smaller side is m pixels
// (after zoom), 0 when the receiver is too small for text (m < 14).
// Receivers numbered 1000 or more get 0.8 times the size; never above 36.
int ReceiverTextSize(int m, int receiverNumber);

// The size at which a text of `lines` lines, `widthAtSize` pixels wide at
// `size`, fits a rectangle of `width` × `height`: never above `size` nor
// above 30, at least 1. Text width grows in proportion to the size.
int FittedTextSize(int size, int widthAtSize, int lines, int width, int height);

// Lines of a text (line breaks \n, \r\n or \r); 0 for an empty text.
int CountLines(const std::string& text);
