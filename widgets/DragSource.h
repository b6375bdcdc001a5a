// What a drag inside the program carries: the class name of the control it
// started from, which is all a drop target decides on. It travels in a MIME
// type of the program's own, so other programs' drop targets do not take it
// for text, and no other program's drag passes for one of ours.
#pragma once

class QMimeData;
class QObject;

inline constexpr const char* DragSourceMimeType = "application/x-vantrel-source";

// New data for a drag that starts from source; the drag takes ownership.
QMimeData* DragSourceData(const QObject& source);

// True when data is a drag of this program's whose source has the class
// className; false for every other drag, including null data.
bool IsDragFrom(const QMimeData* data, const char* className);
