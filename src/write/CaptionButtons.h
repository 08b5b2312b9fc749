#pragma once

namespace qx {

class Form1;
class LinkSend;

// A click on a field's caption re-reads that one setting: the query index is set so that the
// reply lands in the field, and the query is sent. Indexes 16..19 only set the index.
void rereadField(Form1& form, int index);

// The same re-read sent by `send`, for a sequence that chose its link once.
void rereadField(const LinkSend& send, int index);

}  // namespace qx
