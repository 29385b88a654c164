#pragma once
// Last-in, first-out store of texts used by the evaluation. An item is a text
// or the null value; Pop on an empty stack yields null.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Stack_Value = std::optional<std::string>; // std::nullopt is the null value

class stack {
  public:
    stack();

    void Push(Stack_Value value);
    // Push of a text without a copy: the text trades places with what the
    // slot held before, so `text` comes back with the old slot's storage
    // (and contents, which mean nothing). Same outcome as Push.
    void Push_Swap(std::string &text);
    Stack_Value Pop();
    // The top item without removing it (null when empty).
    const Stack_Value *Top() const;
    // Pop without the copy: the item stays in its slot, which is not cleared,
    // so the reference holds until the next Push. Same outcomes as Pop.
    const Stack_Value &Pop_In_Place();
    // Empties the stack; the storage stays for the next evaluation.
    void Clear() { pointer = 0; }

    // Number of items held and index of the top item; the first item pushed
    // lives at index 1, index 0 is never used.
    std::int32_t pointer = 0;

  private:
    std::vector<Stack_Value> items;
};

// The text of a popped value; using the null value as text is an error.
std::string As_Text(Stack_Value &&value);
const std::string &As_Text(const Stack_Value &value);
