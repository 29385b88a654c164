#pragma once
// The toolkit's own texts (standard buttons such as OK and Cancel, the
// context menus of text boxes) in Simplified Chinese, like the rest of the
// program, whatever language the desktop is set to.

namespace Platform {

// Loads the toolkit's Simplified-Chinese translations once; false when they
// are not installed (the toolkit's English texts stay).
bool Install_Translations();

} // namespace Platform
