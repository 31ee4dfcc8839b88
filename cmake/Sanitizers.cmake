# Sanitizer build options (AddressSanitizer, UndefinedBehaviorSanitizer).
