#include "engine/rows.h"

namespace engine {

void ResultRows::AddResultRow(const std::wstring& caption, int image) {
    int index = list_.Add(caption, false, image);
    list_.MakeVisible(index);
}

void ResultRows::AddStampedRow(const std::wstring& word, const std::wstring& subject, int image) {
    if (!Muted) AddNotice(word, subject, image);
}

void ResultRows::AddNotice(const std::wstring& word, const std::wstring& subject, int image) {
    AddResultRow(locale_.TimeOfDayText() + L" " + word + L" " + subject, image);
}

void ResultRows::AddTextRow(const std::wstring& caption) { list_.Add(caption, false, 0); }

} // namespace engine
