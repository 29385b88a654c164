#include "engine/stack.h"

#include "engine/CalcModule.h"

#include <limits>
#include <stdexcept>

stack::stack() : items(2) {}

void stack::Push(Stack_Value value) {
    if (pointer == std::numeric_limits<std::int32_t>::max())
        throw std::overflow_error("stack overflow");
    ++pointer;
    // grows only when full; slots above the pointer are reused
    if (static_cast<std::size_t>(pointer) >= items.size()) items.resize(pointer + 1);
    items[pointer] = std::move(value);
}

void stack::Push_Copy_Growing(std::string_view text) {
    if (pointer == std::numeric_limits<std::int32_t>::max())
        throw std::overflow_error("stack overflow");
    ++pointer;
    if (static_cast<std::size_t>(pointer) >= items.size()) items.resize(pointer + 1);
    Stack_Value &slot = items[pointer];
    if (slot)
        slot->assign(text);
    else
        slot.emplace(text);
}

Stack_Value stack::Pop() {
    if (pointer <= 0) return std::nullopt;
    if (static_cast<std::size_t>(pointer) >= items.size()) {
        // the count no longer matches the storage
        CalcModule::Show_Warning(CalcModule::No_Data_Message);
        return std::string();
    }
    return items[pointer--]; // a copy: the slot keeps its value until a later push
}

std::string &stack::Push_Slot_Growing() {
    if (pointer == std::numeric_limits<std::int32_t>::max())
        throw std::overflow_error("stack overflow");
    ++pointer;
    if (static_cast<std::size_t>(pointer) >= items.size()) items.resize(pointer + 1);
    Stack_Value &slot = items[pointer];
    if (!slot) slot.emplace();
    return *slot;
}

// Pop_In_Place on an empty stack, or on a count out of step with the storage.
const Stack_Value &stack::Pop_In_Place_Empty() {
    static const Stack_Value null_value, empty_text = std::string();
    if (pointer <= 0) return null_value;
    CalcModule::Show_Warning(CalcModule::No_Data_Message);
    return empty_text;
}

std::string As_Text(Stack_Value &&value) {
    if (!value) throw std::invalid_argument("invalid use of null");
    return std::move(*value);
}

const std::string &As_Text(const Stack_Value &value) {
    if (!value) throw std::invalid_argument("invalid use of null");
    return *value;
}
