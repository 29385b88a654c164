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
    Stack_Value Pop();
    // The top item without removing it (null when empty).
    const Stack_Value *Top() const;
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
